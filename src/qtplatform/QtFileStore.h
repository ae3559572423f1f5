#pragma once

#include "platform/FileStore.h"

// Reads ordinary files only, never waiting on a pipe or a device; writes with
// writeWholeFile (the old file stays whole on any failure).
class QtFileStore : public FileStore
{
public:
    // Largest file read, in bytes: a picture file is a few kilobytes.
    static constexpr qint64 kMaxReadBytes = 4 * 1024 * 1024;

    bool exists(const QString &path) override;
    Outcome<QByteArray> readAll(const QString &path) override;
    Done writeAll(const QString &path, const QByteArray &bytes) override;
    Done remove(const QString &path) override;
    FileIdentity identify(const QString &path) override;
    Outcome<Read> readIdentified(const QString &path) override;
    Done writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard) override;

private:
    // `identified`: the identity of what was read too.
    Outcome<Read> readIdentified(const QString &path, bool identified);
};
