#pragma once

#include "fakes/FakeServices.h"
#include "shell/MainWindow.h"

#include <QAction>

// Which of New, Open, Save, Save As and Print the window offers: E (enabled) or D each.
inline QString menuState(MainWindow &window)
{
    QString state;
    for (const char *name : {"miNew", "miOpen", "miSave", "miSaveAs", "miPrint"})
        state += window.action(QString::fromLatin1(name))->isEnabled() ? u'E' : u'D';
    return state;
}

// A dot of the pen at (x, y) in pixels: the first press takes back the Pen, which a read
// leaves parked, and the second draws.
inline void drawDot(MainWindow &window, float x = 3.5f, float y = 3.5f)
{
    window.tools().Picture1_MouseDown(1, x, y);
    window.tools().Picture1_MouseDown(1, x, y);
}

// A main window on fakes of all its services, started as the program starts it (with the
// given command line, and the given recent files stored before), ready to drive.
struct FakeWindow
{
    FakeServices fakes;
    int ended = 0; // how often the window ended the program
    MainWindow window;

    explicit FakeWindow(const QString &commandLine = {}, const QStringList &recent = {})
        : window(storeRecent(fakes, recent))
    {
        window.endProgram = [this] { ++ended; };
        window.Form_Load(commandLine);
    }

private:
    static Services storeRecent(FakeServices &fakes, const QStringList &recent)
    {
        for (int i = 0; i < recent.size(); ++i)
            fakes.settings.values[QStringLiteral("dotlark95/Recent Files/%1recent").arg(i)] = recent[i];
        return fakes.services();
    }
};
