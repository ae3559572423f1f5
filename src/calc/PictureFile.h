#pragma once

#include "document/Picture89i.h"
#include "platform/Failure.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <string_view>

class FileStore;

// Reading a .89i file, the same for the editor and the converter: the decoded picture, or
// why the file cannot be read, is no picture file, or holds a picture that cannot be opened.
Outcome<CalcPicture> readPictureFile(FileStore &files, const QString &path);
// The same for a file's bytes already read.
Outcome<CalcPicture> decodePictureFile(const QString &path, const QByteArray &bytes);

// The calculator format's own reasons as failures of the file at path: the one place they
// are mapped (the format's library knows nothing of Failure). TooLargeToWrite is a failure
// to encode; every other reason is a damaged picture file.
Failure pictureFailure(const QString &path, Picture89iError error, std::string_view foreignKind = {});

// Why a picture the reader took cannot be opened: the reader takes any size up to
// 32767 x 32767, but only pictures whose pixel data a picture file holds can be shown,
// edited and saved again (and printed without drawing millions of squares). Nothing when
// it can be opened.
std::optional<Failure> pictureSizeFailure(const QString &path, int width, int height);
