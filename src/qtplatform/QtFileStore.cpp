#include "qtplatform/QtFileStore.h"

#include "qtplatform/WholeFileWriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileStore::Result systemFailure(int error)
{
    QString words = QString::fromLocal8Bit(std::strerror(error));
    return {false, words + u'.'};
}

} // namespace

bool QtFileStore::exists(const QString &path) { return QFileInfo::exists(path); }

// Opened without waiting (a pipe with no writer, a terminal) and looked at before any read:
// only an ordinary file of at most kMaxReadBytes is read.
FileStore::Result QtFileStore::readAll(const QString &path, QByteArray &bytes)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return {false, QStringLiteral("The file does not exist.")};
        return systemFailure(errno);
    }
    struct Closer
    {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return systemFailure(errno);
    if (S_ISDIR(info.st_mode))
        return {false, QStringLiteral("This is a folder, not a file.")};
    if (!S_ISREG(info.st_mode))
        return {false, QStringLiteral("This is a device or a pipe, not a file.")};
    if (info.st_size > kMaxReadBytes)
        return {false, QStringLiteral("The file is larger than %1 bytes.").arg(kMaxReadBytes)};
    QByteArray content(qsizetype(info.st_size), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < content.size()) {
        const ssize_t n = ::read(fd, content.data() + got, size_t(content.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return systemFailure(errno);
        if (n == 0)
            break;
        got += n;
    }
    content.truncate(got);
    bytes = std::move(content);
    return {true, {}};
}

FileStore::Result QtFileStore::writeAll(const QString &path, const QByteArray &bytes)
{
    return writeWholeFile(path, bytes);
}
