#include "qtplatform/QtFileStore.h"

#include "qtplatform/OrdinaryFile.h"
#include "qtplatform/PathIdentity.h"
#include "qtplatform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace {

FileStore::Result systemFailure(int error)
{
    QString words = QString::fromLocal8Bit(std::strerror(error));
    return {false, words + u'.'};
}

} // namespace

bool QtFileStore::exists(const QString &path) { return QFileInfo::exists(path); }

// Only an ordinary file of at most kMaxReadBytes is read, and nothing blocks on the way.
FileStore::Result QtFileStore::readAll(const QString &path, QByteArray &bytes)
{
    using Problem = OrdinaryFileRead::Problem;
    OrdinaryFileRead read = readOrdinaryFile(path, kMaxReadBytes);
    switch (read.problem) {
    case Problem::None:
        bytes = std::move(read.bytes);
        return {true, {}};
    case Problem::CannotOpen:
        if (read.error == ENOENT)
            return {false, QStringLiteral("The file does not exist.")};
        return systemFailure(read.error);
    case Problem::ReadFailed:
        return systemFailure(read.error);
    case Problem::Folder:
        return {false, QStringLiteral("This is a folder, not a file.")};
    case Problem::NotOrdinary:
        return {false, QStringLiteral("This is a device or a pipe, not a file.")};
    case Problem::TooLarge:
        return {false, QStringLiteral("The file is larger than %1 bytes.").arg(kMaxReadBytes)};
    }
    return systemFailure(EIO);
}

FileStore::Result QtFileStore::writeAll(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(path, bytes);
}

FileIdentity QtFileStore::identify(const QString &path) { return identifyPath(path); }

FileStore::Result QtFileStore::writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard)
{
    return writeWholeFile(path, bytes, &guard);
}
