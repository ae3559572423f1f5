#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>
#include <unistd.h>

// Permission bits do not stop root, and the tests run as root in CI. While an OrdinaryUser
// lives, the whole process acts as user and group "nobody" (65534), whom they do stop; for
// anyone else it changes nothing. Files the test prepares for that user are handed over
// with own(), and the folders on the way need the search bit for others.
class OrdinaryUser
{
public:
    static constexpr uid_t kNobody = 65534;

    OrdinaryUser() : m_switched(::geteuid() == 0)
    {
        if (m_switched && (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0))
            m_switched = false;
    }
    ~OrdinaryUser()
    {
        if (m_switched) {
            (void)::seteuid(0);
            (void)::setegid(0);
        }
    }
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

    // Makes a file or folder the ordinary user's, when the test runs as root.
    static bool own(const QString &path)
    {
        return ::geteuid() != 0 || ::chown(QFile::encodeName(path).constData(), kNobody, kNobody) == 0;
    }
    // Lets others pass through (not list) a folder, such as a QTemporaryDir's 0700 one.
    static bool passable(const QString &folder)
    {
        struct stat status {};
        const QByteArray name = QFile::encodeName(folder);
        return ::stat(name.constData(), &status) == 0 && ::chmod(name.constData(), (status.st_mode & 07777) | 0011) == 0;
    }

private:
    bool m_switched;
};
