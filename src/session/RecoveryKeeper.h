#pragma once

#include "document/PictureDocument.h"

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class FileSession;
class RecoveryStore;

// Keeps the editor's recovery copy in step with its picture: written a few seconds after
// the last change while there is unsaved work (never while a stroke is under way), removed
// as soon as there is none (a save, New, undo back to the saved picture), and on a
// deliberate exit.
class RecoveryKeeper
{
public:
    // The copy is written store.writeDelayMs after the last change.
    RecoveryKeeper(FileSession &session, RecoveryStore &store);

    // True while the user is in the middle of a stroke: the copy waits for its end.
    std::function<bool()> busy;

    // The texts or the File-menu state may have changed (the document's own changes are
    // watched): no unsaved work removes the copy at once, else a write is due.
    void changed();
    // The copy as the picture stands now: written, or removed when there is nothing unsaved.
    // False when a copy was due and could not be written.
    bool keepNow();
    // The editor ends on purpose ("  Quit Anyway", or nothing unsaved): no copy is left.
    void discard();
    bool writePending() const { return m_timer.isActive(); }

private:
    void noteChange();
    void timeUp();

    FileSession &m_session;
    RecoveryStore &m_store;
    int m_delayMs;
    QTimer m_timer;
    QElapsedTimer m_sinceChange;
    PictureDocument::Watch m_watch;
};
