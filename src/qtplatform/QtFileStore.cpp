#include "qtplatform/QtFileStore.h"

#include "platform/FailureText.h"
#include "qtplatform/OrdinaryFile.h"
#include "qtplatform/PathIdentity.h"
#include "qtplatform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

bool QtFileStore::exists(const QString &path) { return QFileInfo::exists(path); }

// Only an ordinary file of at most kMaxReadBytes is read, and nothing blocks on the way.
Outcome<QByteArray> QtFileStore::readAll(const QString &path)
{
    using Problem = OrdinaryFileRead::Problem;
    using What = Failure::What;
    OrdinaryFileRead read = readOrdinaryFile(path, kMaxReadBytes);
    switch (read.problem) {
    case Problem::None:
        return std::move(read.bytes);
    case Problem::CannotOpen:
        if (read.error == ENOENT)
            return Failure{What::Missing, path, {}};
        return Failure{What::CannotRead, path, QString::fromLocal8Bit(std::strerror(read.error))};
    case Problem::ReadFailed:
        return Failure{What::CannotRead, path, QString::fromLocal8Bit(std::strerror(read.error))};
    case Problem::Folder:
        return Failure{What::Folder, path, {}};
    case Problem::NotOrdinary:
        return Failure{What::Device, path, {}};
    case Problem::TooLarge:
        return fileTooLarge(path, kMaxReadBytes);
    }
    return Failure{What::CannotRead, path, QString::fromLocal8Bit(std::strerror(EIO))};
}

Done QtFileStore::writeAll(const QString &path, const QByteArray &bytes) { return writeWholeFile(path, bytes); }

FileIdentity QtFileStore::identify(const QString &path) { return identifyPath(path); }

Done QtFileStore::writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard)
{
    return writeWholeFile(path, bytes, &guard);
}
