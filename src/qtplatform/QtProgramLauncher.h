#pragma once

#include "platform/ProgramLauncher.h"

#include <QDeadlineTimer>
#include <QTimer>
#include <memory>

class X11Windows;

// Starts programs with QProcess (Windows programs through wine when the system cannot run
// them itself) and activates windows through the X server. Without an X server activation
// fails silently.
//
// "With focus" is kept on X by following the started process until its first window shows
// and activating that window; "without focus" leaves the new window wherever the window
// manager puts it.
class QtProgramLauncher : public ProgramLauncher
{
public:
    QtProgramLauncher();
    ~QtProgramLauncher() override;
    bool start(const QString &path, WindowStyle style) override;
    bool activate(const QString &title) override;

    // How long a started program's first window is waited for, to give it the focus.
    static constexpr int followMilliseconds = 20000;

private:
    void follow(qint64 pid);
    void lookForFollowedWindow();
    X11Windows *windows(); // nullptr without an X server

    std::unique_ptr<X11Windows> m_windows;
    QTimer m_followTimer;
    QDeadlineTimer m_followDeadline;
    qint64 m_followedPid = 0;
};
