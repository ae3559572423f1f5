#include "session/LinkLauncher.h"

#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "platform/ProgramLauncher.h"
#include "platform/Settings.h"

void LinkLauncher::Command2_Click()
{
    const QString location = m_settings.value(application, section, key, notSet);
    if (location != notSet) {
        // A stored location that no longer starts may still have a running program to switch to.
        if (!m_launcher.start(location, ProgramLauncher::WindowStyle::NormalWithFocus, windowTitle))
            m_launcher.activate(windowTitle);
        return;
    }
    const QString path = askForLocation();
    // Only the ending counts: any file whose name ends in wlink89.exe, in any case.
    if (path.right(11).toUpper() != QLatin1String("WLINK89.EXE")) {
        m_messages.show(tr("The file you selected is not WLINK89.EXE.\n\r Action ignored."), tr("Didn't find Wlink89.exe!"),
                        Messages::Icon::None, Messages::Buttons::Ok);
    } else {
        m_settings.setValue(application, section, key, path);
        m_launcher.start(path, ProgramLauncher::WindowStyle::NormalWithoutFocus, windowTitle);
    }
    // Silent when there is no such window; one that is still on its way is brought to the
    // front when it appears.
    m_launcher.activate(windowTitle);
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
