#include "qtplatform/PathIdentity.h"

#include <QCryptographicHash>
#include <QFile>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void takeStatus(FileIdentity &identity, const struct stat &status)
{
    identity.kind = S_ISREG(status.st_mode) ? FileIdentity::Kind::File : FileIdentity::Kind::Other;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    identity.size = status.st_size;
    identity.modifiedSeconds = status.st_mtim.tv_sec;
    identity.modifiedNanoseconds = status.st_mtim.tv_nsec;
    identity.links = status.st_nlink;
}

QByteArray linkText(const QByteArray &name)
{
    QByteArray text(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink(name.constData(), text.data(), size_t(text.size()));
    return length < 0 ? QByteArray() : text.left(length);
}

// The digest of everything the descriptor reads; empty when a read fails.
QByteArray digestOf(int fd)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {};
        if (n == 0)
            return hash.result();
        hash.addData(QByteArrayView(buffer, n));
    }
}

// The ordinary file's status and digest, both from the one file opened.
void takeContent(FileIdentity &identity, const QByteArray &name)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return; // unreadable: the status alone tells its state
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        takeStatus(identity, status); // the file opened, should another have come meanwhile
        if (status.st_size <= kDigestLimit)
            identity.digest = digestOf(fd);
    }
    ::close(fd);
}

} // namespace

FileIdentity identifyPath(const QString &path, Digest digest)
{
    const QByteArray name = QFile::encodeName(path);
    FileIdentity identity;
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0)
        return identity;
    if (S_ISLNK(status.st_mode)) {
        identity.link = true;
        identity.linkDevice = status.st_dev;
        identity.linkInode = status.st_ino;
        identity.linkTarget = linkText(name);
        if (::stat(name.constData(), &status) != 0)
            return identity; // a link to nothing: the file it names is missing
    }
    takeStatus(identity, status);
    if (identity.kind == FileIdentity::Kind::File && digest == Digest::Read)
        takeContent(identity, name);
    return identity;
}

FileIdentity identityOfRead(const QString &path, const struct stat &status, const QByteArray &bytes)
{
    FileIdentity identity = identifyPath(path, Digest::Skip);
    takeStatus(identity, status);
    if (identity.kind == FileIdentity::Kind::File && status.st_size <= kDigestLimit && bytes.size() == status.st_size)
        identity.digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return identity;
}
