#include "qtplatform/PosixPrivateFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kOthersBits = 077; // the group's and everybody's permission bits

QString systemWords(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

Failure cannotWrite(int error, const QString &path) { return {Failure::What::CannotWrite, path, systemWords(error)}; }

// A descriptor closed when the operation ends, however it ends.
struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    // Closes now: 0, or the error the system reports for data it took late (NFS).
    int close()
    {
        const int closed = ::close(fd);
        fd = -1;
        return closed == 0 ? 0 : errno;
    }
};

int openFolder(const QByteArray &path) { return ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC); }

// Writes every byte and syncs them to the disk: 0 or the error number.
int writeAndSync(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

} // namespace

PosixPrivateFolder::PosixPrivateFolder(const QString &path) : m_path(QDir::cleanPath(path)) {}

PrivateFolder::Check PosixPrivateFolder::prepare()
{
    const QByteArray path = QFile::encodeName(m_path);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        if (errno != ENOENT)
            return {Trouble::Unreachable, systemWords(errno)};
        // The parents are ordinary folders of the user's (~/.local/state); only the last is private.
        (void)QDir().mkpath(QFileInfo(m_path).absolutePath());
        if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
            return {Trouble::Unreachable, systemWords(errno)};
        if (::lstat(path.constData(), &status) != 0)
            return {Trouble::Unreachable, systemWords(errno)};
    }
    if (S_ISLNK(status.st_mode))
        return {Trouble::Link, {}};
    if (!S_ISDIR(status.st_mode))
        return {Trouble::NotAFolder, {}};
    // Looked at again through the descriptor: what was checked is what is narrowed.
    Descriptor folder{openFolder(path)};
    if (folder.fd < 0)
        return errno == ELOOP ? Check{Trouble::Link, {}} : Check{Trouble::Unreachable, systemWords(errno)};
    if (::fstat(folder.fd, &status) != 0)
        return {Trouble::Unreachable, systemWords(errno)};
    if (status.st_uid != ::geteuid())
        return {Trouble::OtherOwner, {}};
    if ((status.st_mode & kOthersBits) != 0 && ::fchmod(folder.fd, 0700) != 0)
        return {Trouble::OpenToOthers, systemWords(errno)};
    return {};
}

int PosixPrivateFolder::openPrivate() const
{
    Descriptor folder{openFolder(QFile::encodeName(m_path))};
    struct stat status {};
    if (folder.fd < 0 || ::fstat(folder.fd, &status) != 0)
        return -1;
    if (status.st_uid != ::geteuid() || (status.st_mode & kOthersBits) != 0) {
        errno = EACCES;
        return -1;
    }
    const int fd = folder.fd;
    folder.fd = -1;
    return fd;
}

// The new content goes to a part file made for it (never one that was there, never through
// a link), then renamed over the name: a rename replaces a link itself, not what it names.
Done PosixPrivateFolder::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_path + u'/' + name;
    Descriptor folder{openPrivate()};
    if (folder.fd < 0)
        return cannotWrite(errno, path);
    const QByteArray target = QFile::encodeName(name);
    const QByteArray part = '.' + target + ".part";
    (void)::unlinkat(folder.fd, part.constData(), 0); // left by a write of this name that was killed
    Descriptor file{::openat(folder.fd, part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)};
    if (file.fd < 0)
        return cannotWrite(errno, path);
    int error = writeAndSync(file.fd, bytes);
    if (!error)
        error = file.close();
    if (!error && ::renameat(folder.fd, part.constData(), folder.fd, target.constData()) != 0)
        error = errno;
    if (error) {
        (void)::unlinkat(folder.fd, part.constData(), 0);
        return cannotWrite(error, path);
    }
    (void)::fsync(folder.fd); // the rename itself on the disk; a failure here loses nothing
    return {};
}

bool PosixPrivateFolder::ownsFile(const QString &name)
{
    Descriptor folder{openPrivate()};
    const QByteArray file = QFile::encodeName(name);
    struct stat status {};
    return folder.fd >= 0 && ::fstatat(folder.fd, file.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
           && S_ISREG(status.st_mode) && status.st_uid == ::geteuid()
           && ::faccessat(folder.fd, file.constData(), R_OK, AT_EACCESS) == 0;
}
