#include "session/RecoveryKeeper.h"

#include "session/FileSession.h"
#include "session/RecoveryStore.h"

RecoveryKeeper::RecoveryKeeper(FileSession &session, RecoveryStore &store)
    : m_session(session), m_store(store), m_delayMs(store.writeDelayMs)
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { timeUp(); });
    m_watch = session.document().watch([this](const PictureChange &) { noteChange(); });
}

// A pen stroke tells of every pixel: the timer is armed once and only the time of the
// change noted, which costs a clock read; timeUp() waits out the rest.
void RecoveryKeeper::noteChange()
{
    m_sinceChange.start();
    if (!m_timer.isActive())
        m_timer.start(m_delayMs);
}

void RecoveryKeeper::changed()
{
    if (m_session.document().hasUnsavedWork())
        return noteChange();
    m_timer.stop();
    m_store.remove();
}

void RecoveryKeeper::timeUp()
{
    const qint64 since = m_sinceChange.isValid() ? m_sinceChange.elapsed() : m_delayMs;
    if (since < m_delayMs)
        return m_timer.start(int(m_delayMs - since));
    if (busy && busy())
        return m_timer.start(m_delayMs);
    (void)keepNow();
}

bool RecoveryKeeper::keepNow()
{
    m_timer.stop();
    if (!m_session.document().hasUnsavedWork()) {
        m_store.remove();
        return true;
    }
    // A copy that cannot be written leaves the last one, if any: it is older, not wrong,
    // and the next change tries again.
    return m_store.write(m_session.recoveryCopy()).ok();
}

void RecoveryKeeper::discard()
{
    m_timer.stop();
    m_store.remove();
}
