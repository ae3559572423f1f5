#pragma once

// Fakes of the desktop services the main window needs beyond the common ones.

#include "fakes/Fakes.h"
#include "platform/Desktop.h"
#include "platform/PictureLoader.h"
#include "platform/PrintDialog.h"
#include "platform/PrinterPage.h"
#include "platform/ProgramLauncher.h"
#include "shell/Services.h"

#include <QMap>

class FakePictureLoader : public PictureLoader
{
public:
    QMap<QString, QImage> pictures;
    std::optional<QImage> load(const QString &path) override
    {
        if (!pictures.contains(path))
            return std::nullopt;
        return pictures.value(path);
    }
};

// The print dialog is always cancelled; it counts how often it was shown.
class FakePrintDialog : public PrintDialog
{
public:
    int shown = 0;
    std::unique_ptr<PrinterPage> choosePrinter() override
    {
        ++shown;
        return nullptr;
    }
};

class FakeProgramLauncher : public ProgramLauncher
{
public:
    QStringList started, activated;
    bool start(const QString &path, WindowStyle) override
    {
        started << path;
        return false;
    }
    bool activate(const QString &title) override
    {
        activated << title;
        return false;
    }
};

class FakeDesktop : public Desktop
{
public:
    QList<QUrl> opened;
    bool openLink(const QUrl &url) override
    {
        opened << url;
        return false;
    }
};

// All of them together, ready to hand to a main window.
struct FakeServices
{
    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeFileStore files;
    FakeSettings settings;
    FakePictureLoader pictures;
    FakePrintDialog printDialog;
    FakeProgramLauncher launcher;
    FakeDesktop desktop;
    Services services() { return {messages, dialogs, files, settings, pictures, printDialog, launcher, desktop}; }
};
