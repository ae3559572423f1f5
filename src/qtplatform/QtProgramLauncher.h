#pragma once

#include "platform/ProgramLauncher.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <QList>
#include <memory>
#include <optional>

class X11Windows;

// Starts programs with QProcess (Windows programs through wine when the system cannot run
// them itself), saying why one cannot start, and activates windows through the X server.
// Without an X server activation fails silently. In a Wayland session that X server is
// Xwayland's: the windows of X programs (wine's among them) are found and activated there,
// while a native Wayland window of another program is out of any client's reach (Qt 6.4
// offers no public way to hand a started program an xdg-activation token), so asking for one
// ends silently as well.
//
// After a start the launcher follows the program's new window for a while: a top-level
// window owned by the started process (or a descendant), or one with the given title that
// was not there at the start, for the programs that mark their windows with no process
// (plain X toolkit clients, some Windows programs under wine). "With focus" activates that
// window when it appears; "without focus" leaves it where the window manager puts it,
// unless activate() asks for it by title before it is there.
class QtProgramLauncher : public ProgramLauncher
{
public:
    QtProgramLauncher();
    ~QtProgramLauncher() override;
    Start start(const QString &path, WindowStyle style, const QString &windowTitle) override;
    bool activate(const QString &title) override;

    // How long a started program's first window is waited for, in milliseconds (a Windows
    // program's first start under wine can take many seconds).
    static constexpr int followMilliseconds = 20000;

private:
    // The program last started, while its window is awaited.
    struct Followed
    {
        qint64 pid = 0;
        QString title;                     // empty: followed by process only
        QList<unsigned long> titledBefore; // windows that had the title at the start
        bool activate = false;             // bring the window to the front when it appears
    };

    // A program the system would not start, run by wine when it is a Windows program.
    static Start startByWine(const QString &program, qint64 *pid);
    void follow(qint64 pid, const QString &title, bool activate);
    void lookForFollowedWindow();
    std::optional<unsigned long> followedWindow();
    X11Windows *windows(); // nullptr without an X server

    std::unique_ptr<X11Windows> m_windows;
    QTimer m_followTimer;
    QDeadlineTimer m_followDeadline;
    Followed m_followed;
};
