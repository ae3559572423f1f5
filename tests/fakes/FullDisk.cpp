#include "fakes/FullDisk.h"
#include "fakes/TestFiles.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

FullDisk::FullDisk(int kilobytes)
{
    const QByteArray folder = QFile::encodeName(m_folder.path());
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
    if (::mount("tmpfs", folder.constData(), "tmpfs", 0, options.constData()) == 0)
        m_mounted = true;
    else
        m_whyNot = QStringLiteral("cannot mount a small tmpfs to fill (%1); run the tests as root")
                       .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

FullDisk::~FullDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
}

bool FullDisk::put(const QString &name, const QByteArray &bytes) const
{
    return writeFile(path(name), bytes);
}

void FullDisk::fill() const
{
    const int fd = ::open(QFile::encodeName(path(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return;
    // Large blocks first, then single bytes, until the last partial page is taken as well.
    static const char zeros[4096] = {};
    for (size_t chunk : {sizeof zeros, size_t(1)})
        while (::write(fd, zeros, chunk) > 0) {
        }
    ::close(fd);
}

QStringList FullDisk::entries() const
{
    return QDir(m_folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}
