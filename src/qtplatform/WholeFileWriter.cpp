#include "qtplatform/WholeFileWriter.h"

#include "qtplatform/Descriptor.h"
#include "qtplatform/GuardedPlacement.h"
#include "qtplatform/PathIdentity.h"
#include "qtplatform/StaleSiblings.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Result = Done;

Failure failure(int error, const QString &path)
{
    return {Failure::What::CannotWrite, path, QString::fromLocal8Bit(std::strerror(error))};
}

Failure changedMeanwhile(const QString &path) { return {Failure::What::ChangedOnDisk, path, {}}; }

// Whether the path still names what a guarded write expects there (always, unguarded).
bool stillExpected(const QString &path, const WriteGuard *guard)
{
    return !guard || identifyPath(path) == guard->expected;
}

// Writes every byte at the descriptor's offset 0 onwards; 0 or the error number.
int writeAllAt(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return EIO;
        done += n;
    }
    return 0;
}

// The file a path finally names: a symbolic link is followed, so the link stays a link.
QString finalTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // the rename itself on the disk; a failure here loses nothing
        ::close(fd);
    }
}

// Overwrites the file itself. The room for the new length is reserved before the first
// byte changes, so a full disk leaves the old content as it was. The target is the file
// itself, never a link: one put in its place meanwhile is not followed.
Result writeInPlace(const QByteArray &target, const QByteArray &bytes, const QString &path, const WriteGuard *guard)
{
    Descriptor fd(::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW));
    if (fd.get() < 0)
        return errno == ELOOP ? changedMeanwhile(path) : failure(errno, path);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        return failure(errno, path);
    if (guard && (status.st_dev != guard->expected.device || status.st_ino != guard->expected.inode
                  || !stillExpected(path, guard)))
        return changedMeanwhile(path);
    if (bytes.size() > status.st_size) {
        const int reserved = ::posix_fallocate(fd.get(), 0, bytes.size());
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL)
            return failure(reserved, path);
    }
    if (const int error = writeAllAt(fd.get(), bytes))
        return failure(error, path);
    if (::ftruncate(fd.get(), bytes.size()) != 0 || ::fsync(fd.get()) != 0)
        return failure(errno, path);
    if (const int error = fd.close())
        return failure(error, path);
    return {};
}

// A new file beside the target, created with the permissions a new file gets (or the old
// file's), under a hidden name nobody else picks. It stays locked while it is written, so
// that a later save can tell the leftover of a killed writer from a file being written.
int createSibling(const QByteArray &target, QByteArray &sibling)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash >= 0 ? target.left(slash + 1) : QByteArray();
    const QByteArray name = target.mid(slash + 1);
    for (int attempt = 0; attempt < 16; ++attempt) {
        sibling = folder + siblingPrefix(name) + QByteArray::number(QRandomGenerator::global()->generate(), 16)
                  + kSiblingSuffix;
        const int fd = ::open(sibling.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            (void)::flock(fd, LOCK_EX | LOCK_NB); // a new file: nobody else holds it
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Puts the complete sibling in the target's place; on failure it is gone, unless a version
// of another program waits under its name (GuardedPlacement's Unsettled).
Result putInPlace(const QByteArray &sibling, const QByteArray &target, const QString &path, const WriteGuard *guard)
{
    // A last look first, so that the exchange below rarely shows the new file at the path
    // for the moment before it goes back out.
    if (!stillExpected(path, guard)) {
        ::unlink(sibling.constData());
        return changedMeanwhile(path);
    }
    if (guard) {
        const GuardedPlacement placed = GuardedPlacement::place(sibling, target, *guard);
        switch (placed.outcome) {
        case GuardedPlacement::Outcome::Placed:
            return {};
        case GuardedPlacement::Outcome::Changed:
        case GuardedPlacement::Outcome::Unsettled:
            return changedMeanwhile(path);
        case GuardedPlacement::Outcome::Failed:
            ::unlink(sibling.constData());
            return failure(placed.error, path);
        case GuardedPlacement::Outcome::Unsupported:
            break; // the file system knows neither flag: the look just taken has to do
        }
    }
    if (::rename(sibling.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(sibling.constData());
        return failure(error, path);
    }
    return {};
}

Result replaceBySibling(const QByteArray &target, const QByteArray &bytes, const struct stat *old, int &createError,
                        const QString &path, const WriteGuard *guard)
{
    QByteArray sibling;
    Descriptor fd(createSibling(target, sibling));
    if (fd.get() < 0) {
        createError = errno;
        return failure(errno, path);
    }
    if (old) {
        ::fchmod(fd.get(), old->st_mode & 07777);
        // Only the owner's group, or root, can keep the old owner; otherwise it becomes the saver's.
        // When even the group cannot be kept, the saver's own stays: nothing more to do.
        if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0 && ::fchown(fd.get(), static_cast<uid_t>(-1), old->st_gid) != 0) {
        }
    }
    int error = writeAllAt(fd.get(), bytes);
    if (!error && ::fsync(fd.get()) != 0)
        error = errno;
    if (!error)
        error = fd.close();
    if (error) {
        ::unlink(sibling.constData());
        return failure(error, path);
    }
    if (const Result placed = putInPlace(sibling, target, path, guard); !placed)
        return placed;
    const QByteArray folder = folderOf(target);
    syncFolder(folder);
    removeStaleSiblings(folder, target.mid(target.lastIndexOf('/') + 1));
    return {};
}

} // namespace

Done writeWholeFile(const QString &path, const QByteArray &bytes, const WriteGuard *guard)
{
    // A first look at the status alone, so that a file plainly changed costs no new file;
    // the content is compared at the last look, before the file on disk changes.
    if (guard) {
        const FileIdentity now = identifyPath(path, Digest::Skip);
        if (!now.sameLinkAs(guard->expected) || !now.sameFileAs(guard->expected, false))
            return changedMeanwhile(path);
    }
    const bool follow = !guard || guard->followLink;
    const QByteArray target = QFile::encodeName(follow ? finalTarget(path) : path);
    struct stat status {};
    // A link found here (one not to be followed, or one that came meanwhile) is replaced
    // as a missing file would be, never written through.
    const bool exists = ::lstat(target.constData(), &status) == 0 && !S_ISLNK(status.st_mode);
    if (exists && S_ISDIR(status.st_mode))
        return Failure{Failure::What::Folder, path, {}};
    if (exists && !S_ISREG(status.st_mode))
        return Failure{Failure::What::NotRegular, path, {}};
    // A file its owner made read-only is not replaced behind its back, although the folder
    // would allow a new file in its place. The system's rule decides: root may write it.
    if (exists && ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0)
        return failure(errno, path);
    int createError = 0;
    const Result replaced = replaceBySibling(target, bytes, exists ? &status : nullptr, createError, path, guard);
    const bool changed = !replaced && replaced.failure().what == Failure::What::ChangedOnDisk;
    if (!replaced && !changed && exists && (createError == EACCES || createError == EPERM))
        return writeInPlace(target, bytes, path, guard); // the folder takes no new file; the file may be writable
    return replaced;
}
