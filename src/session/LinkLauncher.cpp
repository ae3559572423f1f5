#include "session/LinkLauncher.h"

#include "platform/FileDialogs.h"
#include "platform/IsolatedText.h"
#include "platform/Messages.h"
#include "platform/Settings.h"
#include "platform/ShownNames.h"

#include <QDir>

void LinkLauncher::Command2_Click()
{
    const QString location = m_settings.value(application, section, key, notSet);
    if (location != notSet) {
        const ProgramLauncher::Start result =
            m_launcher.start(location, ProgramLauncher::WindowStyle::NormalWithFocus, windowTitle);
        // A stored location that no longer starts may still have a running program to switch to.
        if (result == ProgramLauncher::Start::Started || m_launcher.activate(windowTitle)
            || !offerToChooseAgain(location, result))
            return;
    }
    chooseAndStart();
}

void LinkLauncher::chooseAndStart()
{
    for (;;) {
        const QString path = askForLocation();
        // Only the ending counts: any file whose name ends in wlink89.exe, in any case.
        if (path.right(11).toUpper() != QLatin1String("WLINK89.EXE")) {
            m_messages.show(tr("The file you selected is not WLINK89.EXE.\n\r Action ignored."),
                            tr("Didn't find Wlink89.exe!"), Messages::Icon::None, Messages::Buttons::Ok);
            m_launcher.activate(windowTitle);
            return;
        }
        m_settings.setValue(application, section, key, path);
        const ProgramLauncher::Start result =
            m_launcher.start(path, ProgramLauncher::WindowStyle::NormalWithoutFocus, windowTitle);
        // Silent when there is no such window; one that is still on its way is brought to the
        // front when it appears.
        const bool activated = m_launcher.activate(windowTitle);
        if (result == ProgramLauncher::Start::Started || activated || !offerToChooseAgain(path, result))
            return;
    }
}

QString LinkLauncher::askForLocation()
{
    FileDialogs::Request request;
    request.title = tr("Where is Wlink89.exe?");
    request.filter = tr("*89.EXE files|*89.exe");
    request.mustExist = true;
    const std::optional<FileDialogs::Choice> choice = m_dialogs.openFile(request);
    return choice ? choice->path : QString();
}

bool LinkLauncher::offerToChooseAgain(const QString &path, ProgramLauncher::Start result)
{
    const QString shown = isolated(shownName(QDir::toNativeSeparators(path), kMessageNameLength));
    const QString text = tr("Can't start %1\n%2\n\nChoose Wlink89.exe again?").arg(shown, whyNotStarted(result));
    return m_messages.show(text, tr("Can't start Wlink89.exe"), Messages::Icon::Exclamation, Messages::Buttons::YesNo)
        == Messages::Answer::Yes;
}

QString LinkLauncher::whyNotStarted(ProgramLauncher::Start result)
{
    switch (result) {
    case ProgramLauncher::Start::Started: return {};
    case ProgramLauncher::Start::Missing: return tr("The file does not exist.");
    case ProgramLauncher::Start::NotProgram: return tr("It is not a program this computer can run.");
    case ProgramLauncher::Start::NoWine:
        return tr("It is a Windows program, and Wine, which runs Windows programs here, is not installed.");
    case ProgramLauncher::Start::WineFailed: return tr("It is a Windows program, and Wine would not start it.");
    }
    return {};
}
