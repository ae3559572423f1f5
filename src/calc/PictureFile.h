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

// Why a picture the reader took cannot be opened: the reader takes any size up to
// 32767 x 32767, but only pictures whose pixel data a picture file holds can be shown,
// edited and saved again (and printed without drawing millions of squares). Empty when
// it can be opened.
QString pictureSizeProblem(int width, int height);
