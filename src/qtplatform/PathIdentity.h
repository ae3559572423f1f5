#pragma once

#include "platform/FileIdentity.h"

#include <QString>

#include <sys/stat.h>

// What the path names now, read from the file system: the link at the path if there is
// one, and the device, inode, size, modification time, content digest and number of names
// of the file it finally names. Only an ordinary file is opened (never a pipe or a device), and only one
// of at most kDigestLimit bytes is read for its digest.
// Digest::Skip: the status alone, no byte read (the digest stays empty).
inline constexpr qint64 kDigestLimit = 4 * 1024 * 1024;
enum class Digest { Read, Skip };
FileIdentity identifyPath(const QString &path, Digest digest = Digest::Read);

// The identity of a file as it was just read whole: `status` of the file opened, `bytes` all
// it held (the digest is theirs), the link facts of the path looked at now. The same as
// identifyPath would have given at that moment, without reading the file again.
FileIdentity identityOfRead(const QString &path, const struct stat &status, const QByteArray &bytes);
