#pragma once

#include "platform/FileIdentity.h"

#include <QByteArray>

// How a guarded write's new file, complete under its sibling's name, takes the place of the
// target without ever replacing a version the guard did not expect, however another program
// renames its own versions over the target meanwhile.
//
// Over an existing file the two are exchanged in one step (renameat2 RENAME_EXCHANGE): the
// old entry comes out under the sibling's name and is looked at there. When it is what the
// guard expects (the same file, length, time and content; for a link not followed, the same
// link) it is removed. Otherwise it goes back in, and the write is refused. Where the guard
// expects nothing, the new file goes in only while nothing is there (RENAME_NOREPLACE).
struct GuardedPlacement
{
    enum class Outcome {
        Placed,      // the new file is in place, the old one removed
        Changed,     // refused: another program's version stands, the new file is gone
        Unsettled,   // refused, but a version of another program was left under the sibling's name
        Unsupported, // the file system knows neither flag: nothing moved
        Failed,      // the system's error, nothing moved
    };
    Outcome outcome = Outcome::Failed;
    int error = 0; // for Failed

    // `target` is the entry replaced: the file a followed link names, else the path itself.
    static GuardedPlacement place(const QByteArray &sibling, const QByteArray &target, const WriteGuard &guard);
};
