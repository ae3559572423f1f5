#pragma once

// Stand-ins for the platform interfaces: they record what the program asked for and give
// the answers the test scripted, so no test ever waits on a real dialog.

#include "platform/FileDialogs.h"
#include "platform/FileStore.h"
#include "platform/Messages.h"
#include "platform/Settings.h"

#include <QList>
#include <QMap>
#include <deque>
#include <functional>

class FakeMessages : public Messages
{
public:
    struct Shown
    {
        QString text, caption;
        Icon icon;
        Buttons buttons;
    };
    QList<Shown> shown;
    std::deque<Answer> answers; // for Yes/No questions; Yes when empty
    std::function<void()> onShow; // runs as each message appears, to look at the screen then
    Answer show(const QString &text, const QString &caption, Icon icon, Buttons buttons) override;
    QStringList texts() const;
};

class FakeFileDialogs : public FileDialogs
{
public:
    QList<Request> requests;
    std::deque<std::optional<Choice>> choices; // nothing left = cancel
    std::function<void()> afterChoice;          // runs as a dialog closes, before the program goes on
    std::optional<Choice> openFile(const Request &request) override { return next(request); }
    std::optional<Choice> saveFile(const Request &request) override { return next(request); }
    // A choice of path, with the title taken from its last component.
    void choose(const QString &path, int filterIndex = 1);
    void cancel() { choices.push_back(std::nullopt); }

private:
    std::optional<Choice> next(const Request &request);
};

class FakeFileStore : public FileStore
{
public:
    QMap<QString, QByteArray> files;
    QStringList unwritable; // writes to these paths fail
    QStringList written;    // every path written, in order
    bool exists(const QString &path) override { return files.contains(path); }
    Outcome<QByteArray> readAll(const QString &path) override;
    Done writeAll(const QString &path, const QByteArray &bytes) override;
    Done remove(const QString &path) override;
    FileIdentity identify(const QString &path) override;
    Outcome<Read> readIdentified(const QString &path) override;
    Done writeGuarded(const QString &path, const QByteArray &bytes, const WriteGuard &guard) override;
};

class FakeSettings : public Settings
{
public:
    QMap<QString, QString> values; // "application/section/key" -> value
    QString value(const QString &application, const QString &section, const QString &key,
                  const QString &fallback) override;
    void setValue(const QString &application, const QString &section, const QString &key,
                  const QString &value) override;
};
