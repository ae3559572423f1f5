#pragma once

#include "fakes/FakeWindow.h"
#include "qtplatform/QtFileStore.h"

// A main window that reads and writes real files through QtFileStore. The other services
// are fakes, except a settings store, a picture loader or a program runner the test hands in
// real. Nothing is started: the test calls Form_Load or start itself.
struct RealFilesWindow
{
    FakeServices fakes;
    QtFileStore files;
    MainWindow window;

    explicit RealFilesWindow(Settings *settings = nullptr, PictureLoader *pictures = nullptr,
                             ProgramRunner *programs = nullptr)
        : window(Services{fakes.messages, fakes.dialogs, files, settings ? *settings : fakes.settings,
                          pictures ? *pictures : fakes.pictures, fakes.printDialog, fakes.launcher, fakes.desktop,
                          fakes.questions, programs ? *programs : fakes.programs})
    {
        window.endProgram = [] {};
    }
};
