#pragma once

#include "platform/FileIdentity.h"

#include <QString>

// What the path names now, read from the file system: the link at the path if there is
// one, and the device, inode, size, modification time, content digest and number of names
// of the file it finally names. Only an ordinary file is opened (never a pipe or a device), and only one
// of at most kDigestLimit bytes is read for its digest.
inline constexpr qint64 kDigestLimit = 4 * 1024 * 1024;
FileIdentity identifyPath(const QString &path);
