#pragma once

#include <QByteArray>

// The hidden files a save writes beside its target, ".<name>.<hex>.part", and the removal of
// those a killed writer left behind.
//
// A writer holds a lock on its file while it writes; the system drops the lock when the
// process ends, however it ends. A file of this pattern is taken for a leftover only when
// nobody holds its lock and it has not changed for kStaleAfterSeconds: a writer between
// creating its file and locking it, or between closing it and renaming it, is never caught.

inline constexpr const char *kSiblingSuffix = ".part";
inline constexpr long kStaleAfterSeconds = 60;

inline QByteArray siblingPrefix(const QByteArray &name) { return '.' + name + '.'; }

// The folder of a path as the system names it: "/" for a file at the root, "." for a bare name.
QByteArray folderOf(const QByteArray &path);

// Whether an entry of the folder is the sibling of `name`: the prefix, 1 to 8 lower-case
// hexadecimal digits, the suffix.
bool isSiblingName(const QByteArray &entry, const QByteArray &name);

// Removes the leftovers of earlier saves of `name` in `folder`; returns how many went.
// Failures are quietly ignored: the save itself has already succeeded.
int removeStaleSiblings(const QByteArray &folder, const QByteArray &name);
