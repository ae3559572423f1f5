#include "qtplatform/GuardedPlacement.h"

#include "qtplatform/Descriptor.h"
#include "qtplatform/PathIdentity.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

using Outcome = GuardedPlacement::Outcome;

// Far more exchanges than any race needs: each one past the second means that another
// program renamed yet another version over the target within a few system calls.
constexpr int kMostExchanges = 1000;

// An entry held open while the writer decides about it. Its inode stays taken, so no file
// made meanwhile can get its number and pass for it. An ordinary file is also locked shared,
// which keeps removeStaleSiblings (it wants the lock alone) off another program's version
// that waits under the sibling's name.
class HeldEntry
{
public:
    explicit HeldEntry(const QByteArray &name) : m_path(::open(name.constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC))
    {
        struct stat status {};
        if (m_path.get() < 0 || ::fstat(m_path.get(), &status) != 0)
            return;
        m_device = status.st_dev;
        m_inode = status.st_ino;
        if (!S_ISREG(status.st_mode))
            return;
        m_lock = Descriptor(::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (m_lock.get() >= 0)
            (void)::flock(m_lock.get(), LOCK_SH | LOCK_NB); // a file the writer cannot read stays unlocked
    }

    bool held() const { return m_path.get() >= 0 && m_inode != 0; }
    bool sameAs(const HeldEntry &other) const
    {
        return held() && other.held() && m_device == other.m_device && m_inode == other.m_inode;
    }

private:
    Descriptor m_path;
    Descriptor m_lock;
    dev_t m_device = 0;
    ino_t m_inode = 0;
};

bool unsupported(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

int exchange(const QByteArray &sibling, const QByteArray &target)
{
    return ::renameat2(AT_FDCWD, sibling.constData(), AT_FDCWD, target.constData(), RENAME_EXCHANGE) == 0 ? 0 : errno;
}

// Whether what came out under the sibling's name is what the guard expects at the target:
// the link itself when it is replaced, else the file (a link there is a change).
bool isExpected(const QByteArray &sibling, const WriteGuard &guard, bool replacingLink)
{
    const FileIdentity found = identifyPath(QFile::decodeName(sibling));
    return replacingLink ? found.link && found.sameLinkAs(guard.expected)
                         : !found.link && found.sameFileAs(guard.expected);
}

// Another program's version came out: it goes back in. Each exchange puts back what the one
// before took out. When what comes out is what went in last, nobody renamed over the target
// in between, and it holds what it would hold had this write never come. When anything else
// comes out, another program renamed a newer version over the target meanwhile (over the
// entry put back, which that program thereby replaced itself): the newer one goes back in
// its turn. So what is finally removed is the new file, or a version its own program had
// already replaced; none is lost, however many renames land between the exchanges.
Outcome putBack(const QByteArray &sibling, const QByteArray &target, HeldEntry wentIn, HeldEntry cameOut)
{
    for (int round = 0; round < kMostExchanges; ++round) {
        if (const int error = exchange(sibling, target)) {
            if (error != ENOENT)
                return Outcome::Unsettled;
            // The target was removed, after the version waiting here had come: gone with it.
            ::unlink(sibling.constData());
            return Outcome::Changed;
        }
        HeldEntry out(sibling);
        if (out.sameAs(wentIn)) {
            ::unlink(sibling.constData());
            return Outcome::Changed;
        }
        wentIn = std::move(cameOut);
        cameOut = std::move(out);
    }
    return Outcome::Unsettled;
}

GuardedPlacement exchangeInto(const QByteArray &sibling, const QByteArray &target, const WriteGuard &guard)
{
    HeldEntry mine(sibling);
    if (!mine.held())
        return {Outcome::Failed, errno};
    if (const int error = exchange(sibling, target)) {
        if (error == ENOENT) { // the file expected is gone
            ::unlink(sibling.constData());
            return {Outcome::Changed};
        }
        return {unsupported(error) ? Outcome::Unsupported : Outcome::Failed, error};
    }
    HeldEntry old(sibling);
    if (isExpected(sibling, guard, !guard.followLink && guard.expected.link)) {
        ::unlink(sibling.constData());
        return {Outcome::Placed};
    }
    return {putBack(sibling, target, std::move(mine), std::move(old))};
}

GuardedPlacement placeWhereNoneIs(const QByteArray &sibling, const QByteArray &target)
{
    if (::renameat2(AT_FDCWD, sibling.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return {Outcome::Placed};
    const int error = errno;
    if (error != EEXIST)
        return {unsupported(error) ? Outcome::Unsupported : Outcome::Failed, error};
    ::unlink(sibling.constData());
    return {Outcome::Changed};
}

} // namespace

GuardedPlacement GuardedPlacement::place(const QByteArray &sibling, const QByteArray &target, const WriteGuard &guard)
{
    const bool replacingLink = !guard.followLink && guard.expected.link;
    if (!replacingLink && guard.expected.kind == FileIdentity::Kind::Missing)
        return placeWhereNoneIs(sibling, target);
    return exchangeInto(sibling, target, guard);
}
