#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reading and writing of byte strings.
class FileStore
{
public:
    struct Result
    {
        bool ok = false;
        QString reason; // why it failed, in words for the user
    };

    virtual ~FileStore() = default;
    virtual bool exists(const QString &path) = 0;
    virtual Result readAll(const QString &path, QByteArray &bytes) = 0;
    // Writes bytes as the file's whole new content. Either the file holds exactly the new
    // bytes afterwards, or it is left as it was.
    virtual Result writeAll(const QString &path, const QByteArray &bytes) = 0;
};
