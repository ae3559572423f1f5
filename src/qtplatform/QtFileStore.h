#pragma once

#include "platform/FileStore.h"

// Reads with QFile, writes with writeWholeFile (the old file stays whole on any failure).
class QtFileStore : public FileStore
{
public:
    bool exists(const QString &path) override;
    Result readAll(const QString &path, QByteArray &bytes) override;
    Result writeAll(const QString &path, const QByteArray &bytes) override;
};
