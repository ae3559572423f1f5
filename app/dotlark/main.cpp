#include "platform/Desktop.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtFileStore.h"
#include "platform/QtMessages.h"
#include "platform/QtPictureLoader.h"
#include "platform/QtPrintDialog.h"
#include "platform/QtProgramLauncher.h"
#include "platform/QtProgramRunner.h"
#include "platform/QtSettings.h"
#include "shell/DialogQuestions.h"
#include "shell/MainWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtMessages messages;
    QtFileDialogs dialogs;
    QtFileStore files;
    QtSettings settings;
    QtPictureLoader pictures;
    QtPrintDialog printDialog;
    QtProgramLauncher launcher;
    QtDesktop desktop;
    DialogQuestions questions(messages);
    QtProgramRunner programs;
    MainWindow window(Services{messages, dialogs, files, settings, pictures, printDialog, launcher, desktop, questions, programs});
    messages.setParent(&window);
    dialogs.setParent(&window);
    printDialog.setParent(&window);
    questions.setParent(&window);
    window.start(QApplication::arguments().mid(1));
    return app.exec();
}
