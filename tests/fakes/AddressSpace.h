#pragma once

#include "fakes/Sanitizer.h"

#include <QFile>
#include <QtGlobal>

#include <new>

#include <sys/resource.h>
#include <unistd.h>

// Runs `work` with the process's address space limited to what it has now plus `room` bytes;
// false when that was not enough. Address sanitizers reserve far more than they use: with one,
// the work runs unlimited.
template<typename Work>
bool withinAddressSpace(qint64 room, Work work)
{
    if (kAddressSanitizer) {
        work();
        return true;
    }
    QFile statm(QStringLiteral("/proc/self/statm"));
    rlimit old{};
    if (!statm.open(QIODevice::ReadOnly) || getrlimit(RLIMIT_AS, &old) != 0) {
        work();
        return true;
    }
    const qint64 used = statm.readAll().split(' ').value(0).toLongLong() * sysconf(_SC_PAGESIZE);
    rlimit limited = old;
    limited.rlim_cur = rlim_t(used + room);
    setrlimit(RLIMIT_AS, &limited);
    bool fitted = true;
    try {
        work();
    } catch (const std::bad_alloc &) {
        fitted = false;
    }
    setrlimit(RLIMIT_AS, &old);
    return fitted;
}
