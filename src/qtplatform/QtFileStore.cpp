#include "qtplatform/QtFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

FileStore::Result QtFileStore::readAll(const QString &path, QByteArray &bytes)
{
    if (!QFileInfo::exists(path))
        return {false, QStringLiteral("The file does not exist.")};
    if (QFileInfo(path).isDir())
        return {false, QStringLiteral("This is a folder, not a file.")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, file.errorString()};
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString()};
    return {true, {}};
}

FileStore::Result QtFileStore::writeAll(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {true, {}};
}
