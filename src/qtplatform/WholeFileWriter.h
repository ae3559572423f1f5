#pragma once

#include "platform/FileStore.h"

#include <QByteArray>
#include <QString>

// The one way the program writes a file: pictures, bitmaps, PDF pages and the converter's
// output all come through here.
//
// The bytes are complete in memory before anything on disk changes. They go into a new file
// beside the target, which is flushed to the disk (every write and the final sync checked)
// and then renamed over it, so the target is always either the old or the new complete
// file, however the writer is stopped; the old file's permissions, and its owner where the
// system allows, carry over. A file with further hard links is replaced the same way: the
// link is broken, and the other names keep the old content. Only when the folder allows no
// new file but the file itself is writable is the file written in place: its room is
// reserved first, so a full disk is found before any old byte changes; it is opened without
// following a link, so a link put in its place meanwhile is not written through. A symbolic
// link at the path is followed and the file it names is written, unless a guard says
// otherwise.
//
// With a guard, the path must name guard->expected, and the new file never replaces
// anything else, even a version another program renames in at the last moment: it is
// exchanged with the old one, which is looked at once it is out and put back when it is not
// the one expected (qtplatform/GuardedPlacement.h); where nothing is expected, it goes in only
// while nothing is there. Otherwise nothing changes and the failure is ChangedOnDisk. On a
// file system that allows neither, the path is looked at once more just before the rename.
//
// On failure the detail is the system's own words ("No space left on device").
Done writeWholeFile(const QString &path, const QByteArray &bytes, const WriteGuard *guard = nullptr);
