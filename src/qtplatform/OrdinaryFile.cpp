#include "qtplatform/OrdinaryFile.h"

#include "platform/FailureText.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

OrdinaryFileRead readOrdinaryFile(const QString &path, qint64 maxBytes)
{
    using Problem = OrdinaryFileRead::Problem;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {Problem::CannotOpen, errno, {}};
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return {Problem::CannotOpen, errno, {}};
    if (S_ISDIR(info.st_mode))
        return {Problem::Folder, 0, {}};
    if (!S_ISREG(info.st_mode))
        return {Problem::NotOrdinary, 0, {}};
    if (info.st_size > maxBytes)
        return {Problem::TooLarge, 0, {}};
    QByteArray bytes(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {Problem::ReadFailed, errno, {}};
        if (n == 0)
            break; // shrank while read: what there is
        got += n;
    }
    bytes.truncate(got);
    return {Problem::None, 0, std::move(bytes), info};
}

Failure ordinaryReadFailure(const QString &path, const OrdinaryFileRead &read, qint64 maxBytes)
{
    using Problem = OrdinaryFileRead::Problem;
    switch (read.problem) {
    case Problem::Folder:
        return {Failure::What::Folder, path, {}};
    case Problem::NotOrdinary:
        return {Failure::What::Device, path, {}};
    case Problem::TooLarge:
        return fileTooLarge(path, maxBytes);
    default:
        return {Failure::What::CannotRead, path, QString::fromLocal8Bit(std::strerror(read.error ? read.error : EIO))};
    }
}
