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

// A recovery copy left by an editor that ended without saving, as the question lists it.
struct LeftCopy
{
    QString file; // the picture's file as shown, or the word for a picture without one
    QString time; // when the copy was made, as shown
};

// The program's own modal questions, beyond message boxes and file dialogs: the program
// answers them with its windows, tests with scripted answers.
class Questions
{
public:
    enum class ExitChoice { Quit, ContinueWorking };
    enum class RecoverChoice { Recover, Discard, Later };
    struct RecoverAnswer
    {
        RecoverChoice choice = RecoverChoice::Later;
        int copy = 0; // the one to recover, by its place in the list
    };

    virtual ~Questions() = default;
    // The New-picture dialog: the size typed and the levels, or nothing when the user
    // cancelled.
    virtual std::optional<NewPicture> askNewSize() = 0;
    // The question before the program ends with unsaved drawing.
    virtual ExitChoice askExit() = 0;
    // At start, about every recovery copy left by editors that ended without saving, newest
    // first: Recover one of them (the first unless the user picks another), Discard them
    // all, or keep them all for Later. Recover the newest is the default answer, Later the
    // safe one.
    virtual RecoverAnswer askRecover(const QList<LeftCopy> &copies) = 0;
    // A pop-up menu at a screen position: the index of the item chosen, or nothing when it
    // was closed without a choice. The item at checked (if any) carries the check mark.
    virtual std::optional<int> popUpMenu(const QStringList &items, int checked, QPoint at) = 0;
};
