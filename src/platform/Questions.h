#pragma once

#include <QPoint>
#include <QSize>
#include <QStringList>
#include <optional>

// What File > New asks for: the size, and 2 levels (black and white) or 4 (grey).
struct NewPicture
{
    NewPicture(QSize size = {}, int levels = 2) : size(size), levels(levels) {}
    QSize size;
    int levels = 2;
};

// The program's own modal questions, beyond message boxes and file dialogs: the program
// answers them with its windows, tests with scripted answers.
class Questions
{
public:
    enum class ExitChoice { Quit, ContinueWorking };
    enum class RecoverChoice { Recover, Discard, Later };

    virtual ~Questions() = default;
    // The New-picture dialog: the size typed and the levels, or nothing when the user
    // cancelled.
    virtual std::optional<NewPicture> askNewSize() = 0;
    // The question before the program ends with unsaved drawing.
    virtual ExitChoice askExit() = 0;
    // At start, about the recovery copy of an editor that ended without saving; `question`
    // names its file and time. Recover is the default answer, Later the safe one.
    virtual RecoverChoice askRecover(const QString &question) = 0;
    // A pop-up menu at a screen position: the index of the item chosen, or nothing when it
    // was closed without a choice. The item at checked (if any) carries the check mark.
    virtual std::optional<int> popUpMenu(const QStringList &items, int checked, QPoint at) = 0;
};
