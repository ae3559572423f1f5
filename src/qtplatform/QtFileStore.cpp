#include "qtplatform/QtFileStore.h"

#include "qtplatform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

bool QtFileStore::exists(const QString &path) { return QFileInfo::exists(path); }

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
    return writeWholeFile(path, bytes);
}
