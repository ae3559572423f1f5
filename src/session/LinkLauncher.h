#pragma once

#include "platform/ProgramLauncher.h"

#include <QCoreApplication>
#include <QString>

class FileDialogs;
class Messages;
class Settings;

// The "WLink89" button: starts the calculator's link program, or brings its window to the
// front. The first time, the user is asked where the program is, and the answer is kept in
// the settings store. When the program cannot start and no window of it is open, the user is
// told why and offered to choose it again. Touches nothing of the picture and keeps no state
// between presses.
class LinkLauncher
{
    Q_DECLARE_TR_FUNCTIONS(LinkLauncher)

public:
    LinkLauncher(Settings &settings, FileDialogs &dialogs, Messages &messages, ProgramLauncher &launcher)
        : m_settings(settings), m_dialogs(dialogs), m_messages(messages), m_launcher(launcher)
    {
    }

    void Command2_Click();

    static inline const QString application = QStringLiteral("dotlark95");
    static inline const QString section = QStringLiteral("wlink");
    static inline const QString key = QStringLiteral("location");
    static inline const QString notSet = QStringLiteral("none");
    static inline const QString windowTitle = QStringLiteral("TI-GRAPH LINK (89)");

private:
    // Asks for the program until one starts (or a window of it is open), the user gives up or
    // picks a file of another name.
    void chooseAndStart();
    QString askForLocation();
    // Says why the program at path did not start; true when the user wants to choose again.
    bool offerToChooseAgain(const QString &path, ProgramLauncher::Start result);
    static QString whyNotStarted(ProgramLauncher::Start result);

    Settings &m_settings;
    FileDialogs &m_dialogs;
    Messages &m_messages;
    ProgramLauncher &m_launcher;
};
