#include "qtdialogs/QtFileDialogs.h"
#include "qtdialogs/QtMessages.h"
#include "qtdialogs/QtPrintDialog.h"
#include "qtplatform/QtDesktop.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/IsolatedPictureLoader.h"
#include "qtplatform/QtProgramLauncher.h"
#include "qtplatform/QtProgramRunner.h"
#include "qtplatform/QtSettings.h"
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
    IsolatedPictureLoader pictures; // import files are decoded in a helper process
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
