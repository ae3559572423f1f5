#include "platform/PictureFile.h"

#include "platform/ByteConversions.h"
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
