#pragma once

// Fakes of the desktop services the main window needs beyond the common ones (all of them
// together for the window: fakes/FakeServices.h).

#include "fakes/Fakes.h"
#include "fakes/PrintFakes.h"
#include "platform/Desktop.h"
#include "platform/PictureLoader.h"
#include "platform/ProgramLauncher.h"
#include "platform/ProgramRunner.h"
#include "platform/Questions.h"

#include <QMap>
#include <deque>
#include <algorithm>

class FakePictureLoader : public PictureLoader
{
public:
    QMap<QString, QImage> pictures;
    // Read at a reduced size when a hint allows it: the picture as read then.
    QMap<QString, QImage> reduced;
    QList<LoadHint> hints; // of every loadFor, in order
    QStringList cutShort;  // files that end before their picture does
    int loadsLeft = -1;    // loads that succeed before the rest fail; -1: all of them
    Outcome<QImage> load(const QString &path) override
    {
        if (!pictures.contains(path) || loadsLeft == 0)
            return notAPicture({}, path);
        if (loadsLeft > 0)
            --loadsLeft;
        return pictures.value(path);
    }
    Outcome<LoadedPicture> loadFor(const QString &path, const LoadHint &hint) override
    {
        hints << hint;
        Outcome<LoadedPicture> loaded = PictureLoader::loadFor(path, hint);
        if (loaded && !hint.cover.isEmpty() && reduced.contains(path))
            loaded->image = reduced.value(path);
        if (loaded)
            loaded->cutShort = cutShort.contains(path);
        return loaded;
    }
};

// Records starts and activations; answers as scripted.
class FakeProgramLauncher : public ProgramLauncher
{
public:
    std::deque<Start> results; // the answers to the starts in turn; Started when none is left
    bool activates = true;
    QStringList calls; // "start <path> focus|nofocus" or "activate <title>"
    QString startedTitle; // the window title the last start was told to follow
    Start start(const QString &path, WindowStyle style, const QString &windowTitle) override
    {
        startedTitle = windowTitle;
        calls << QStringLiteral("start %1 %2").arg(path, style == WindowStyle::NormalWithFocus ? "focus" : "nofocus");
        if (results.empty())
            return Start::Started;
        const Start result = results.front();
        results.pop_front();
        return result;
    }
    bool activate(const QString &title) override
    {
        calls << QStringLiteral("activate ") + title;
        return activates;
    }
};

// Records the links handed to the desktop and answers as scripted.
class FakeDesktop : public Desktop
{
public:
    QList<QUrl> opened;
    bool succeeds = true;
    bool openLink(const QUrl &url) override
    {
        opened << url;
        return succeeds;
    }
};

// Scripted answers to the window's own questions; each question asked is counted.
class FakeQuestions : public Questions
{
public:
    std::deque<std::optional<NewPicture>> newSizes; // nothing left = cancel
    std::deque<ExitChoice> exitChoices;         // nothing left = Continue Working
    std::deque<std::optional<int>> menuChoices; // nothing left = closed without a choice
    std::deque<RecoverAnswer> recoverAnswers;   // nothing left = Later
    QList<QList<LeftCopy>> recoverAsked;        // the copies of every recovery question, in order
    int exitAsked = 0;
    QStringList lastMenu;
    int lastChecked = -1;

    std::optional<NewPicture> askNewSize() override { return take(newSizes, std::optional<NewPicture>()); }
    ExitChoice askExit() override
    {
        ++exitAsked;
        return take(exitChoices, ExitChoice::ContinueWorking);
    }
    RecoverAnswer askRecover(const QList<LeftCopy> &copies) override
    {
        recoverAsked << copies;
        return take(recoverAnswers, RecoverAnswer{});
    }
    std::optional<int> popUpMenu(const QStringList &items, int checked, QPoint) override
    {
        lastMenu = items;
        lastChecked = checked;
        return take(menuChoices, std::optional<int>());
    }

private:
    template <typename T> static T take(std::deque<T> &queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};

// Programs on a PATH the test makes up: found when installed, starts recorded. A started
// program runs until the test ends it with finish().
class FakeProgramRunner : public ProgramRunner
{
public:
    QMap<QString, QString> installed; // name -> full path
    QList<QStringList> started;      // program, then its arguments
    bool startFails = false;
    QString find(const QString &name) override { return installed.value(name); }
    bool start(const QString &program, const QStringList &arguments, Finished finished) override
    {
        if (startFails)
            return false;
        started << (QStringList{program} + arguments);
        m_running.push_back({program, std::move(finished)});
        return true;
    }
    bool isRunning(const QString &program) const override
    {
        return std::any_of(m_running.begin(), m_running.end(), [&](const auto &run) { return run.first == program; });
    }
    // Ends the program started first among those still running (none running: nothing).
    void finish(int exitStatus, const QString &output = {})
    {
        if (m_running.empty())
            return;
        const Finished finished = m_running.front().second;
        m_running.pop_front();
        finished(ProgramEnd{exitStatus, output});
    }

private:
    std::deque<std::pair<QString, Finished>> m_running;
};
