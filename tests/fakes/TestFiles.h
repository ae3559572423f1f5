#pragma once

// Whole files on disk, for the tests that set them up or check them.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// The file's bytes; none when it cannot be read (missing, a folder, no permission).
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the whole file, replacing what it held; whether all of it reached the file system.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Writes a program (a shell script, say) that anyone may run; whether it all went.
inline bool writeProgram(const QString &path, const QByteArray &bytes)
{
    const QFile::Permissions everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                        | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    return writeFile(path, bytes) && QFile::setPermissions(path, everyone);
}

// A fresh folder that is the current one for as long as it lives, for the tests of names given
// relative to it; the folder that was current before comes back after.
class CurrentTemporaryFolder : public QTemporaryDir
{
public:
    CurrentTemporaryFolder()
        : m_previous(QDir::currentPath()), m_entered(QTemporaryDir::isValid() && QDir::setCurrent(path()))
    {
    }
    ~CurrentTemporaryFolder() { QDir::setCurrent(m_previous); }
    CurrentTemporaryFolder(const CurrentTemporaryFolder &) = delete;
    CurrentTemporaryFolder &operator=(const CurrentTemporaryFolder &) = delete;

    // Whether the folder was made and became the current one.
    bool isValid() const { return m_entered; }

private:
    QString m_previous;
    bool m_entered;
};
