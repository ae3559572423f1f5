// The recovery copies: this editor's, kept by its RecoveryKeeper, and the ones left by
// editors that ended without saving, offered at start.

#include "platform/FailureText.h"
#include "platform/Messages.h"
#include "platform/Questions.h"
#include "platform/ShownNames.h"
#include "session/RecoveryKeeper.h"
#include "session/RecoveryStore.h"
#include "shell/MainWindow.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>

#include <algorithm>

namespace {
QString shownPath(const QString &path) { return shownName(QDir::toNativeSeparators(path), kMessageNameLength); }

SessionOutcome recovered()
{
    SessionOutcome outcome;
    outcome.ok = outcome.pictureReplaced = outcome.fileTitleChanged = true;
    return outcome;
}

QString folderTrouble(const PrivateFolder::Check &check)
{
    using Trouble = PrivateFolder::Trouble;
    switch (check.trouble) {
    case Trouble::Link:
        return MainWindow::tr("It is a symbolic link.");
    case Trouble::NotAFolder:
        return MainWindow::tr("It is not a folder.");
    case Trouble::OtherOwner:
        return MainWindow::tr("It belongs to another user.");
    case Trouble::OpenToOthers:
        return MainWindow::tr("Other users may use it, and its permissions cannot be narrowed: %1").arg(check.detail);
    case Trouble::Unreachable:
        return MainWindow::tr("It cannot be made or opened: %1").arg(check.detail);
    case Trouble::None:
        break;
    }
    return {};
}

// A copy read back, with the orphan it came from.
struct LeftOver
{
    RecoveryStore::Orphan orphan;
    RecoveryCopy copy;
};

// Every orphan that reads, newest first. One that cannot be read is set aside under another
// name, never offered again, never lost, and named in a message.
std::vector<LeftOver> readOrphans(RecoveryStore &store, Messages &messages)
{
    std::vector<LeftOver> left;
    for (RecoveryStore::Orphan &orphan : store.lockOrphans()) {
        Outcome<RecoveryCopy> copy = store.read(orphan.path);
        if (copy) {
            left.push_back({std::move(orphan), std::move(*copy)});
            continue;
        }
        const QString aside = store.setAside(orphan);
        messages.warn(MainWindow::tr("The recovery copy %1 cannot be read.\r%2\r%3")
                          .arg(shownPath(orphan.path), describe(copy.failure()),
                               aside.isEmpty() ? MainWindow::tr("It could not be set aside.")
                                               : MainWindow::tr("It was set aside as %1.").arg(shownPath(aside))),
                      MainWindow::kTitle);
    }
    std::stable_sort(left.begin(), left.end(), [](const LeftOver &a, const LeftOver &b) { return a.copy.madeAt > b.copy.madeAt; });
    return left;
}

QList<LeftCopy> shownCopies(const std::vector<LeftOver> &left)
{
    QList<LeftCopy> shown;
    for (const LeftOver &one : left) {
        const RecoveryCopy &copy = one.copy;
        shown.append({copy.file.empty() ? MainWindow::tr("Untitled") : shownPath(QString::fromStdString(copy.file)),
                      QDateTime::fromMSecsSinceEpoch(copy.madeAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"))});
    }
    return shown;
}
} // namespace

void MainWindow::createRecovery()
{
    if (!m_services.recovery)
        return;
    m_recovery = std::make_unique<RecoveryKeeper>(m_session, *m_services.recovery);
    // A button held down: a stroke or a drag is under way, which a write must not stall.
    m_recovery->busy = [] { return QGuiApplication::mouseButtons() != Qt::NoButton; };
}

// One question lists every copy left; one picture at a time is recovered, and the copies
// not chosen wait for the next start. A folder that is not the user's alone is said once:
// no copy is kept or offered there, so unsaved work is not protected against a crash.
void MainWindow::offerRecovery()
{
    if (!m_recovery)
        return;
    RecoveryStore &store = *m_services.recovery;
    if (const PrivateFolder::Check &check = store.folderCheck(); check.trouble != PrivateFolder::Trouble::None) {
        m_services.messages.warn(tr("The recovery folder %1 cannot be used.\r%2\rNo recovery copies are kept, so "
                                    "unsaved work is lost if DOTLARK crashes or is killed.")
                                     .arg(shownPath(store.folder()), folderTrouble(check)),
                                 kTitle);
        return;
    }
    std::vector<LeftOver> left = readOrphans(store, m_services.messages);
    const Questions::RecoverAnswer answer = left.empty() || m_session.document().hasUnsavedWork()
                                                ? Questions::RecoverAnswer{}
                                                : m_services.questions.askRecover(shownCopies(left));
    const bool recovering = answer.choice == Questions::RecoverChoice::Recover && answer.copy >= 0
                            && size_t(answer.copy) < left.size();
    if (recovering) {
        LeftOver &chosen = left[size_t(answer.copy)];
        m_tools.selection().deselect();
        m_session.takeRecovered(chosen.copy);
        apply(recovered());
        // The old copy goes once this editor's own holds the work.
        if (m_recovery->keepNow())
            store.discard(chosen.orphan);
    }
    for (LeftOver &one : left) {
        if (answer.choice == Questions::RecoverChoice::Discard)
            store.discard(one.orphan);
        else
            RecoveryStore::release(one.orphan); // nothing once discarded
    }
}
