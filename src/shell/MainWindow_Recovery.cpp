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

namespace {
QString shownPath(const QString &path) { return shownName(QDir::toNativeSeparators(path), kMessageNameLength); }

SessionOutcome recovered()
{
    SessionOutcome outcome;
    outcome.ok = outcome.pictureReplaced = outcome.fileTitleChanged = true;
    return outcome;
}

QString recoverQuestion(const RecoveryCopy &copy)
{
    const QString file = copy.file.empty() ? MainWindow::tr("Untitled") : shownPath(QString::fromStdString(copy.file));
    const QString time = QDateTime::fromMSecsSinceEpoch(copy.madeAt).toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    return MainWindow::tr("Recover the unsaved picture of %1 from %2?").arg(file, time);
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

// One picture at a time: once one is recovered, the others wait for the next start. A copy
// that cannot be read is set aside under another name, never offered again, never lost.
void MainWindow::offerRecovery()
{
    if (!m_recovery)
        return;
    RecoveryStore &store = *m_services.recovery;
    bool taken = m_session.document().hasUnsavedWork();
    for (RecoveryStore::Orphan &orphan : store.lockOrphans()) {
        if (taken) {
            store.release(orphan);
            continue;
        }
        const Outcome<RecoveryCopy> copy = store.read(orphan.path);
        if (!copy) {
            const QString aside = store.setAside(orphan);
            m_services.messages.warn(tr("The recovery copy %1 cannot be read.\r%2\r%3")
                                         .arg(shownPath(orphan.path), describe(copy.failure()),
                                              aside.isEmpty() ? tr("It could not be set aside.")
                                                              : tr("It was set aside as %1.").arg(shownPath(aside))),
                                     kTitle);
            continue;
        }
        switch (m_services.questions.askRecover(recoverQuestion(*copy))) {
        case Questions::RecoverChoice::Recover:
            m_tools.selection().deselect();
            m_session.takeRecovered(*copy);
            apply(recovered());
            // The old copy goes once this editor's own holds the work.
            if (m_recovery->keepNow())
                store.discard(orphan);
            else
                store.release(orphan);
            taken = true;
            break;
        case Questions::RecoverChoice::Discard:
            store.discard(orphan);
            break;
        case Questions::RecoverChoice::Later:
            store.release(orphan);
            break;
        }
    }
}
