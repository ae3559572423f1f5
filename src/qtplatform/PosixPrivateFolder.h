#pragma once

#include "platform/PrivateFolder.h"

// The private folder on a POSIX system. Every file operation works relative to a
// descriptor of the folder itself, opened without following a link and checked again
// (a real folder of the user's, mode 0700 or narrower) each time: a link or a foreign
// folder put at the path meanwhile is never worked in.
class PosixPrivateFolder : public PrivateFolder
{
public:
    explicit PosixPrivateFolder(const QString &path);

    QString path() const override { return m_path; }
    Check prepare() override;
    Done writeFile(const QString &name, const QByteArray &bytes) override;
    bool ownsFile(const QString &name) override;

private:
    // A descriptor of the folder when it is still private, else -1 with errno set.
    int openPrivate() const;

    QString m_path;
};
