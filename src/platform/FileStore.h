#pragma once

#include "platform/Failure.h"
#include "platform/FileIdentity.h"

#include <QByteArray>
#include <QString>

// Whole-file reading and writing of byte strings.
class FileStore
{
public:
    virtual ~FileStore() = default;
    virtual bool exists(const QString &path) = 0;
    virtual Outcome<QByteArray> readAll(const QString &path) = 0;
    // Writes bytes as the file's whole new content. Either the file holds exactly the new
    // bytes afterwards, or it is left as it was.
    virtual Done writeAll(const QString &path, const QByteArray &bytes) = 0;
    // The file gone (nothing there is no failure): what a write of two files takes back of
    // the first when the second fails.
    virtual Done remove(const QString &path) = 0;

    // What the path names now (Missing when nothing), to compare with a later state.
    virtual FileIdentity identify(const QString &path) = 0;
    // A whole file and the identity of what was read, from one reading of it: no change
    // made between the two can go unseen, and the file is read once.
    struct Read
    {
        QByteArray bytes;
        FileIdentity identity;
    };
    virtual Outcome<Read> readIdentified(const QString &path) = 0;
    // As writeAll, but only while the path still names guard.expected; otherwise nothing
    // is written and the failure is ChangedOnDisk.
    virtual Done writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard) = 0;
};
