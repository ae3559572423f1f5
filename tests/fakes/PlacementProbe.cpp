#include "fakes/PlacementProbe.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

thread_local PlacementProbe *current = nullptr;

template<class Function>
Function real(const char *name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

using RenameAt2 = int (*)(int, const char *, int, const char *, unsigned int);
using Unlink = int (*)(const char *);

// The probe of this thread when it watches, none while its action runs.
PlacementProbe *watching()
{
    PlacementProbe *probe = PlacementProbe::onThisThread();
    return probe && !probe->quiet() ? probe : nullptr;
}

} // namespace

PlacementProbe::PlacementProbe() : m_previous(std::exchange(current, this)) {}

PlacementProbe::~PlacementProbe() { current = m_previous; }

PlacementProbe *PlacementProbe::onThisThread() { return current; }

void PlacementProbe::runBefore()
{
    const auto action = m_before.find(m_placements++);
    if (action == m_before.end())
        return;
    m_quiet = true;
    action->second();
    m_quiet = false;
}

void PlacementProbe::removing(const char *name) const
{
    if (!onRemove)
        return;
    QFile file(QFile::decodeName(name));
    onRemove(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

extern "C" int unlink(const char *name) noexcept
{
    if (PlacementProbe *probe = watching())
        probe->removing(name);
    static const auto unlinkReally = real<Unlink>("unlink");
    return unlinkReally(name);
}

extern "C" int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned int flags) noexcept
{
    PlacementProbe *probe = watching();
    if (probe) {
        probe->runBefore();
        if (flags != 0 && probe->refuseFlags) {
            errno = EINVAL;
            return -1;
        }
    }
    static const auto renameReally = real<RenameAt2>("renameat2");
    return renameReally(fromFolder, from, toFolder, to, flags);
}

// A plain rename the writer makes is an exchange and then the removal of what came out, so
// that onRemove sees the file it replaced; with nothing to replace it is the rename itself.
extern "C" int rename(const char *from, const char *to) noexcept
{
    static const auto renameReally = real<RenameAt2>("renameat2");
    PlacementProbe *probe = watching();
    if (!probe)
        return renameReally(AT_FDCWD, from, AT_FDCWD, to, 0);
    probe->runBefore();
    if (renameReally(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE) != 0)
        return renameReally(AT_FDCWD, from, AT_FDCWD, to, 0);
    probe->removing(from);
    static const auto unlinkReally = real<Unlink>("unlink");
    return unlinkReally(from);
}
