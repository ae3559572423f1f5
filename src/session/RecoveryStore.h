#pragma once

#include "document/RecoveryCopy.h"
#include "platform/Failure.h"
#include "platform/PrivateFolder.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class FileStore;

// The recovery copies of the user's editors, in one folder: this editor's own, written and
// removed as the picture's unsaved work comes and goes, and those left by editors that no
// longer run (orphans), offered at the next start. Each editor holds a lock beside its copy
// (NAME.lock, a QLockFile) for as long as it runs, so no other editor takes a live copy; a
// copy whose lock is stale, its editor gone, is an orphan. The folder must be the user's
// alone: in any other, no copy is written and none is offered, since another user could
// read the drawings, plant a copy to be recovered or redirect a write to another file.
class RecoveryStore
{
public:
    static inline const QString kEnding = QStringLiteral(".dlrecovery");
    // $XDG_STATE_HOME/dotlark/recovery, ~/.local/state/dotlark/recovery when it is not set.
    static QString defaultFolder();

    // The copies are kept in `folder` and read back through `files`.
    RecoveryStore(FileStore &files, PrivateFolder &folder);
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // How long after the last change the editor writes its copy, in milliseconds.
    int writeDelayMs = 3000;

    const QString &folder() const { return m_folder; }
    QString ownPath() const { return m_folder + u'/' + m_name + kEnding; }
    // Whether the folder is the user's alone, made or narrowed to be so on the first call;
    // the answer is kept for the editor's run.
    const PrivateFolder::Check &folderCheck();

    // This editor's copy, whole or not at all (the folder made and the lock taken first).
    Done write(const RecoveryCopy &copy);
    // This editor's copy gone; the lock stays until the editor ends.
    void remove();
    bool hasCopy() const { return m_written; }

    // A copy left by an editor that no longer runs, locked by this editor until it is
    // recovered, discarded, released or set aside.
    struct Orphan
    {
        QString path;
        QDateTime modified;
        std::unique_ptr<QLockFile> lock;
    };
    // Every orphan of the folder, newest first. Copies of running editors are left alone, and
    // so is anything that is not the user's own regular file, readable.
    std::vector<Orphan> lockOrphans();
    Outcome<RecoveryCopy> read(const QString &path);
    // Deleted with its lock (Discard, or recovered into this editor).
    void discard(Orphan &orphan);
    // Kept for a later start, its lock released.
    static void release(Orphan &orphan);
    // A copy that cannot be read, renamed NAME.damaged (NAME.damaged.2 ... when one is
    // there): the new path, empty when it could not be renamed.
    QString setAside(Orphan &orphan);

private:
    bool usable() { return folderCheck().trouble == PrivateFolder::Trouble::None; }
    bool lockOwn();

    FileStore &m_files;
    PrivateFolder &m_private;
    std::optional<PrivateFolder::Check> m_check;
    QString m_folder;
    QString m_name; // of this editor's copy and lock, without the ending
    std::unique_ptr<QLockFile> m_lock;
    bool m_written = false;
};
