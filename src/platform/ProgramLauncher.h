#pragma once

#include <QString>

// Starts outside programs and brings their windows to the front.
class ProgramLauncher
{
public:
    enum class WindowStyle { NormalWithFocus, NormalWithoutFocus };
    // What came of a start: the program started, or why it could not.
    enum class Start {
        Started,
        Missing,    // nothing at the path (or no path)
        NotProgram, // a folder, or a file neither the system nor wine can run
        NoWine,     // a Windows program, and no wine to run it
        WineFailed, // a Windows program that wine, found, would not start
    };

    virtual ~ProgramLauncher() = default;
    // Starts the program at path, without arguments, and does not wait for it. windowTitle
    // is the title the program's main window is known to carry (empty when unknown): its new
    // window is recognised by that as well as by its process, since not every program marks
    // its windows with its process.
    virtual Start start(const QString &path, WindowStyle style, const QString &windowTitle) = 0;
    // Brings the top-level window whose title is title, or else one whose title begins
    // with it, to the front and gives it the focus. False when there is none yet; a program
    // just started by start() has its window brought to the front when it appears.
    virtual bool activate(const QString &title) = 0;
};
