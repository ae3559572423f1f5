#include "calc/PictureFile.h"

#include "calc/ByteConversions.h"
#include "platform/FileStore.h"

PictureFileRead readPictureFile(FileStore &files, const QString &path)
{
    QByteArray bytes;
    const FileStore::Result read = files.readAll(path, bytes);
    if (!read.ok)
        return {std::nullopt, read.reason};
    DecodeResult decoded = decode89i(asBytes(bytes));
    if (decoded.error != Picture89iError::None)
        return {std::nullopt, decodeFailure(decoded)};
    return {std::move(decoded.picture), {}};
}

QString decodeFailure(const DecodeResult &decoded)
{
    return QString::fromStdString(errorText(decoded.error, decoded.foreignKind));
}

QString pictureSizeProblem(int width, int height)
{
    if (checkWritableSize(width, height) == Picture89iError::None)
        return {};
    return QStringLiteral("The picture is %1 x %2 pixels: %3 bytes of pixel data, more than the %4 a picture file "
                          "holds.")
        .arg(width).arg(height)
        .arg(qint64(bytesPerRow(width)) * height)
        .arg(kPicture89iMaxDataLength - 5);
}
