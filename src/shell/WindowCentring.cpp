#include "shell/WindowCentring.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace {

// Moves the window so that its outer frame, as far as it is known now, sits in the middle.
QPoint placeCentred(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return window.pos();
    const QRect area = screen->geometry();
    const QPoint at = area.topLeft() + centredTopLeft(area.size(), window.frameGeometry().size());
    window.move(at);
    return at;
}

// The window system adds the frame only once the window is on the screen, and may report it
// a little later still. Until then, and while the window stays where it was put, each change
// of the frame centres the window again; a position the user chose is never taken back.
class FrameWatcher : public QObject
{
public:
    static inline const QString kName = QStringLiteral("centring frame watcher");

    FrameWatcher(QWidget &window, QPoint placedAt) : QObject(&window), m_window(window), m_placedAt(placedAt)
    {
        setObjectName(kName);
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_window)
            return false;
        const QEvent::Type type = event->type();
        if (type == QEvent::Show && !m_shown.isValid())
            m_shown.start();
        if (type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize)
            return false;
        if (m_shown.isValid() && m_shown.elapsed() > kSettleMs) {
            deleteLater();
            return false;
        }
        const QSize frame = m_window.frameGeometry().size();
        if (m_window.pos() == m_placedAt && frame != m_centredFrame) {
            m_centredFrame = frame;
            m_placedAt = placeCentred(m_window);
        }
        return false;
    }

private:
    static constexpr int kSettleMs = 2000; // how long a window manager may take to frame the window
    QWidget &m_window;
    QPoint m_placedAt;
    QSize m_centredFrame;
    QElapsedTimer m_shown;
};

} // namespace

QPoint centredTopLeft(const QSize &screen, const QSize &window)
{
    // Integer division truncates toward zero, as the rule wants for windows larger than the screen.
    return {(screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2};
}

void centreOnScreen(QWidget &window)
{
    // Before the first show the layout may not have counted the menu and status bars yet.
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    const QPoint at = placeCentred(window);
    if (!window.findChild<QObject *>(FrameWatcher::kName, Qt::FindDirectChildrenOnly))
        new FrameWatcher(window, at);
}
