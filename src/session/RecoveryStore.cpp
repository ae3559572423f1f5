#include "session/RecoveryStore.h"

#include "calc/DocumentWords.h"
#include "platform/FileStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <span>

namespace {

QString lockPathOf(const QString &copyPath)
{
    return copyPath.left(copyPath.size() - RecoveryStore::kEnding.size()) + QStringLiteral(".lock");
}

// A lock held for as long as its editor runs, hours maybe: only a lock whose process is
// gone is stale, never one that is merely old.
std::unique_ptr<QLockFile> tryLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

QString RecoveryStore::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) // relative ones are to be ignored
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QStringLiteral("/dotlark/recovery"));
}

RecoveryStore::RecoveryStore(FileStore &files, PrivateFolder &folder)
    : m_files(files), m_private(folder), m_folder(QDir::cleanPath(folder.path())),
      m_name(QStringLiteral("editor-%1-%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch()))
{
}

RecoveryStore::~RecoveryStore() = default; // the lock file goes with m_lock

const PrivateFolder::Check &RecoveryStore::folderCheck()
{
    if (!m_check)
        m_check = m_private.prepare();
    return *m_check;
}

bool RecoveryStore::lockOwn()
{
    if (m_lock)
        return true;
    m_lock = tryLock(m_folder + u'/' + m_name + QStringLiteral(".lock"));
    return m_lock != nullptr;
}

Done RecoveryStore::write(const RecoveryCopy &copy)
{
    if (!usable()) // said once at start
        return Failure{Failure::What::CannotWrite, ownPath(), {}};
    if (!lockOwn())
        return Failure{Failure::What::CannotWrite, ownPath(), QCoreApplication::translate("RecoveryStore", "The recovery folder cannot be locked.")};
    const std::vector<uint8_t> bytes = encodeRecovery(copy);
    if (bytes.empty())
        return Failure{Failure::What::PictureTooLarge, ownPath(), {}};
    const Done written = m_private.writeFile(m_name + kEnding, QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    if (written)
        m_written = true;
    return written;
}

void RecoveryStore::remove()
{
    if (m_written)
        QFile::remove(ownPath());
    m_written = false;
}

std::vector<RecoveryStore::Orphan> RecoveryStore::lockOrphans()
{
    std::vector<Orphan> orphans;
    if (!usable())
        return orphans;
    const QFileInfoList copies = QDir(m_folder).entryInfoList({QStringLiteral("*") + kEnding}, QDir::Files);
    for (const QFileInfo &copy : copies) {
        if (copy.absoluteFilePath() == QFileInfo(ownPath()).absoluteFilePath() || !m_private.ownsFile(copy.fileName()))
            continue;
        if (std::unique_ptr<QLockFile> lock = tryLock(lockPathOf(copy.absoluteFilePath())))
            orphans.push_back({copy.absoluteFilePath(), copy.lastModified(), std::move(lock)});
    }
    std::sort(orphans.begin(), orphans.end(), [](const Orphan &a, const Orphan &b) { return a.modified > b.modified; });
    // The stale locks of editors that ended with no copy go (taking one removes it on release).
    for (const QFileInfo &lock : QDir(m_folder).entryInfoList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString copy = lock.absolutePath() + u'/' + lock.completeBaseName() + kEnding;
        if (!QFileInfo::exists(copy))
            (void)tryLock(lock.absoluteFilePath());
    }
    return orphans;
}

Outcome<RecoveryCopy> RecoveryStore::read(const QString &path)
{
    const Outcome<QByteArray> bytes = m_files.readAll(path);
    if (!bytes)
        return bytes.failure();
    const RecoveryRead read = decodeRecovery(std::span(reinterpret_cast<const uint8_t *>(bytes->constData()), size_t(bytes->size())));
    if (read.error != RecoveryError::None)
        return Failure{Failure::What::DamagedPicture, path, recoveryReason(read.error)};
    return read.copy;
}

void RecoveryStore::discard(Orphan &orphan)
{
    QFile::remove(orphan.path);
    orphan.lock.reset();
}

void RecoveryStore::release(Orphan &orphan) { orphan.lock.reset(); }

QString RecoveryStore::setAside(Orphan &orphan)
{
    QString aside = orphan.path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n)
        aside = orphan.path + QStringLiteral(".damaged.%1").arg(n);
    const bool renamed = QFile::rename(orphan.path, aside);
    orphan.lock.reset();
    return renamed ? aside : QString();
}
