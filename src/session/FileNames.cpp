#include "session/FileNames.h"

#include <QDir>

QString baseName(const QString &path)
{
    const QString native = QDir::toNativeSeparators(path);
    return native.mid(native.lastIndexOf(QDir::separator()) + 1);
}

QString absoluteCleanPath(const QString &path) { return QDir::cleanPath(QDir::current().absoluteFilePath(path)); }
