#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A real, small file system that tests fill to the brim: a tmpfs mounted on a fresh folder
// (root only; CI runs as root). Tests skip, giving whyNot(), where it cannot be mounted.
class FullDisk
{
public:
    explicit FullDisk(int kilobytes = 64);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString whyNot() const { return m_whyNot; }
    QString path(const QString &name) const { return m_folder.filePath(name); }

    // Writes a file there while there is room.
    bool put(const QString &name, const QByteArray &bytes) const;
    // Takes every byte that is left, so that the next write of a new block fails.
    void fill() const;
    // The names in the folder, to see that no temporary file stayed behind.
    QStringList entries() const;

private:
    QTemporaryDir m_folder;
    bool m_mounted = false;
    QString m_whyNot;
};

// The skip every full-disk test makes when there is no tmpfs to fill.
#define REQUIRE_FULL_DISK(disk)                                                                    \
    do {                                                                                           \
        if (!(disk).mounted())                                                                     \
            QSKIP(qPrintable((disk).whyNot()));                                                    \
    } while (false)
