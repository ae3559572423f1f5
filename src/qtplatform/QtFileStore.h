#pragma once

#include "platform/FileStore.h"

// Reads with QFile, writes through QSaveFile (a new file that replaces the old one).
class QtFileStore : public FileStore
{
public:
    Result readAll(const QString &path, QByteArray &bytes) override;
    Result writeAll(const QString &path, const QByteArray &bytes) override;
};
