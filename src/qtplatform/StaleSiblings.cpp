#include "qtplatform/StaleSiblings.h"

#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool isLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

// Opens the entry without following a link or waiting on a pipe, and says whether it is a
// leftover: an ordinary file, unchanged for a while, whose lock nobody holds. The lock taken
// here keeps a second cleaner off it until it is gone.
bool isLeftover(int folderFd, const char *entry, struct stat &status, int &fd)
{
    fd = ::openat(folderFd, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    if (std::time(nullptr) - status.st_mtime < kStaleAfterSeconds)
        return false;
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

} // namespace

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : (slash == 0 ? QByteArray("/") : QByteArray("."));
}

bool isSiblingName(const QByteArray &entry, const QByteArray &name)
{
    const QByteArray prefix = siblingPrefix(name);
    const qsizetype suffix = qsizetype(std::strlen(kSiblingSuffix));
    const qsizetype digits = entry.size() - prefix.size() - suffix;
    if (digits < 1 || digits > 8 || !entry.startsWith(prefix) || !entry.endsWith(kSiblingSuffix))
        return false;
    for (qsizetype i = prefix.size(); i < prefix.size() + digits; ++i)
        if (!isLowerHex(entry[i]))
            return false;
    return true;
}

int removeStaleSiblings(const QByteArray &folder, const QByteArray &name)
{
    DIR *listing = ::opendir(folder.constData());
    if (!listing)
        return 0;
    const int folderFd = ::dirfd(listing);
    int removed = 0;
    while (const dirent *entry = ::readdir(listing)) {
        if (!isSiblingName(QByteArray(entry->d_name), name))
            continue;
        struct stat status {};
        int fd = -1;
        const bool leftover = isLeftover(folderFd, entry->d_name, status, fd);
        // Still the file that was looked at, not one renamed into its place meanwhile.
        struct stat now {};
        if (leftover && ::fstatat(folderFd, entry->d_name, &now, AT_SYMLINK_NOFOLLOW) == 0
            && now.st_dev == status.st_dev && now.st_ino == status.st_ino
            && ::unlinkat(folderFd, entry->d_name, 0) == 0)
            ++removed;
        if (fd >= 0)
            ::close(fd);
    }
    ::closedir(listing);
    return removed;
}
