#include "qtplatform/QtFileStore.h"

#include "qtplatform/OrdinaryFile.h"
#include "qtplatform/PathIdentity.h"
#include "qtplatform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <unistd.h>

bool QtFileStore::exists(const QString &path) { return QFileInfo::exists(path); }

// Only an ordinary file of at most kMaxReadBytes is read, and nothing blocks on the way.
Outcome<QByteArray> QtFileStore::readAll(const QString &path)
{
    Outcome<Read> read = readIdentified(path, false);
    if (!read)
        return read.failure();
    return std::move(read->bytes);
}

Outcome<FileStore::Read> QtFileStore::readIdentified(const QString &path) { return readIdentified(path, true); }

Outcome<FileStore::Read> QtFileStore::readIdentified(const QString &path, bool identified)
{
    OrdinaryFileRead read = readOrdinaryFile(path, kMaxReadBytes);
    if (read.problem == OrdinaryFileRead::Problem::None)
        return Read{read.bytes, identified ? identityOfRead(path, read.status, read.bytes) : FileIdentity()};
    if (read.problem == OrdinaryFileRead::Problem::CannotOpen && read.error == ENOENT)
        return Failure{Failure::What::Missing, path, {}};
    return ordinaryReadFailure(path, read, kMaxReadBytes);
}

Done QtFileStore::writeAll(const QString &path, const QByteArray &bytes) { return writeWholeFile(path, bytes); }

Done QtFileStore::remove(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return Failure{Failure::What::CannotWrite, path, QString::fromLocal8Bit(std::strerror(errno))};
    return {};
}

FileIdentity QtFileStore::identify(const QString &path) { return identifyPath(path); }

Done QtFileStore::writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard)
{
    return writeWholeFile(path, bytes, &guard);
}
