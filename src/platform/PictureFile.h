#pragma once

#include "document/Picture89i.h"

#include <QString>
#include <optional>

class FileStore;

// Reading a .89i file, the same for the editor and the converter: the decoded picture, or
// the reason in words for the user when the file cannot be read or is no picture file.
struct PictureFileRead
{
    std::optional<CalcPicture> picture;
    QString reason;
};

PictureFileRead readPictureFile(FileStore &files, const QString &path);

// Why a decode failed, in the same words.
QString decodeFailure(const DecodeResult &decoded);
