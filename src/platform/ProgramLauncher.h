#pragma once

#include <QString>

// Starts outside programs and brings their windows to the front.
class ProgramLauncher
{
public:
    enum class WindowStyle { NormalWithFocus, NormalWithoutFocus };

    virtual ~ProgramLauncher() = default;
    // Starts the program at path, without arguments, and does not wait for it. False when
    // the path cannot be started.
    virtual bool start(const QString &path, WindowStyle style) = 0;
    // Brings the top-level window whose title is title, or else one whose title begins
    // with it, to the front and gives it the focus. False when there is none.
    virtual bool activate(const QString &title) = 0;
};
