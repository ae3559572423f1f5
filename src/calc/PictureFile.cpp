#include "calc/PictureFile.h"

#include "calc/ByteConversions.h"
#include "platform/FileStore.h"

Outcome<CalcPicture> readPictureFile(FileStore &files, const QString &path)
{
    const Outcome<QByteArray> read = files.readAll(path);
    if (!read)
        return read.failure();
    return decodePictureFile(path, *read);
}

Outcome<CalcPicture> decodePictureFile(const QString &path, const QByteArray &bytes)
{
    DecodeResult decoded = decode89i(asBytes(bytes));
    if (decoded.error != Picture89iError::None)
        return pictureFailure(path, decoded.error, decoded.foreignKind);
    if (std::optional<Failure> tooLarge = pictureSizeFailure(path, decoded.picture.width, decoded.picture.height))
        return *tooLarge;
    return std::move(decoded.picture);
}

Failure pictureFailure(const QString &path, Picture89iError error, std::string_view foreignKind)
{
    const Failure::What what =
        error == Picture89iError::TooLargeToWrite ? Failure::What::CannotEncode : Failure::What::DamagedPicture;
    return {what, path, QString::fromStdString(errorText(error, foreignKind))};
}

std::optional<Failure> pictureSizeFailure(const QString &path, int width, int height)
{
    if (checkWritableSize(width, height) == Picture89iError::None)
        return std::nullopt;
    const QString measured = QStringLiteral("%1 x %2 pixels: %3 bytes of pixel data")
                                 .arg(width).arg(height).arg(qint64(bytesPerRow(width)) * height);
    return Failure{Failure::What::PictureTooLarge, path, measured};
}
