#include "platform/Licence.h"
#include "platform/Translations.h"
#include "qtdialogs/QtFileDialogs.h"
#include "qtdialogs/QtMessages.h"
#include "qtdialogs/QtProgress.h"
#include "qtplatform/IsolatedPictureLoader.h"
#include "qtplatform/PosixPrivateFolder.h"
#include "qtplatform/QtCalculatorLink.h"
#include "qtplatform/QtClipboard.h"
#include "qtplatform/QtDesktop.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/QtProgramLauncher.h"
#include "qtplatform/QtProgramRunner.h"
#include "qtplatform/QtSettings.h"
#include "session/AppInfo.h"
#include "session/RecoveryStore.h"
#include "session/StartCommandLine.h"
#include "shell/DeferredIconStyle.h"
#include "shell/DeferredPrintDialog.h"
#include "shell/DialogQuestions.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstring>
#include <functional>
#include <unistd.h>

namespace {

// Says something before the editor's application exists (the help, a wrong option, no
// display) in the system's language, through a plain application of its own that ends with it.
void sayBeforeStart(const std::function<void()> &say)
{
    int argc = 1;
    char name[] = "dotlark";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    Translations::install();
    say();
}

void printHelp()
{
    sayBeforeStart([] {
        std::puts(qUtf8Printable(QCoreApplication::translate(
            "EditorStart", "Usage: dotlark [PICTURE]\n"
                           "       dotlark --help | --version\n"
                           "\n"
                           "Opens the editor for TI-89, TI-92, TI-92 Plus and Voyage 200 pictures\n"
                           "(.89i, .92i, .9xi, .v2i), reading PICTURE when one is named. The words after\n"
                           "the options are joined with blanks into one file name, and a pair of double\n"
                           "quotes around it is removed. Put -- before a name that starts with '-';\n"
                           "a lone - is a file named -.\n"
                           "\n"
                           "  --help     show this text and exit\n"
                           "  --version  show the version and licence and exit\n"
                           "\n"
                           "dotlark-convert --help describes the command-line tool.")));
    });
}

// Returns the exit status when the options ask for no window, -1 to start the editor.
// Reading stops at the first word that is not an option: the rest is the file name, and a
// name with blanks may hold words that start with '-'. Qt's own options are not offered.
int handleOptions(int argc, char *argv[], int &firstName)
{
    firstName = 1;
    for (; firstName < argc; ++firstName) {
        const char *word = argv[firstName];
        if (std::strcmp(word, "--") == 0) {
            ++firstName;
            return -1;
        }
        if (word[0] != '-' || word[1] == '\0') // "-" is a file name, as to dotlark-convert
            return -1;
        if (std::strcmp(word, "--help") == 0) {
            printHelp();
            return 0;
        }
        if (std::strcmp(word, "--version") == 0) {
            std::printf("dotlark %d.%d.%d\n%s", AppInfo::major, AppInfo::minor, AppInfo::revision, Licence::notice);
            return 0;
        }
        sayBeforeStart([word] {
            const QString text =
                QCoreApplication::translate("EditorStart", "dotlark: unknown option '%1'\nTry 'dotlark --help'.");
            std::fputs(qUtf8Printable(text.arg(QString::fromLocal8Bit(word)) + u'\n'), stderr);
        });
        return 2;
    }
    return -1;
}

void sayNoDisplay(const QString &detail)
{
    const QString text = QCoreApplication::translate("EditorStart",
                                                     "dotlark: there is no display to show the editor on: %1.\n"
                                                     "Run it from a desktop session, or under a virtual display: "
                                                     "xvfb-run -a dotlark");
    std::fputs(qUtf8Printable(text.arg(detail) + u'\n'), stderr);
}

// Qt ends the program (abort, exit status 134, with advice to reinstall) when it finds no
// display to connect to. While the application starts, that is said in our words, with the
// window system's own reason that Qt gave before, and the exit status is 1.
QtMessageHandler g_qtHandler = nullptr;
QString g_firstWarning;

void noDisplayHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        if (g_firstWarning.isEmpty())
            g_firstWarning = message.section(u'\n', 0, 0).trimmed();
        if (g_qtHandler)
            g_qtHandler(type, context, message);
        return;
    }
    // Qt says this while the application is being made: it exists, without its translations yet.
    if (QCoreApplication::instance())
        Translations::install();
    sayNoDisplay(g_firstWarning.isEmpty()
                     ? QCoreApplication::translate("EditorStart", "the window system could not be reached")
                     : g_firstWarning);
    std::fflush(stderr);
    ::_exit(1);
}

// The Print dialog's module: beside the program (the build tree), else in the program's own
// library folder, found relative to the program so an installed copy works under any prefix.
// Where it should be when it is in neither, for the message that says it is missing.
QString printModulePath()
{
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("dotlark-print.so");
    const QString beside = folder.absoluteFilePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(folder.absoluteFilePath(QStringLiteral(DOTLARK_MODULE_DIR_FROM_BINDIR "/") + name));
}

// DOTLARK_TEST_STROKE="x,y x,y ...": a pen stroke through these picture pixels, drawn as the
// mouse draws it once the editor has started. For the tests that kill a running editor.
void drawTestStroke(MainWindow &window, const QByteArray &points)
{
    const QList<QByteArray> pairs = points.simplified().split(' ');
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        const QList<QByteArray> xy = pairs[i].split(',');
        const float x = xy.value(0).toFloat() + 0.5f, y = xy.value(1).toFloat() + 0.5f;
        if (i == 0)
            window.tools().Picture1_MouseDown(1, x, y);
        else
            window.tools().Picture1_MouseMove(1, x, y);
        if (i == pairs.size() - 1)
            window.tools().Picture1_MouseUp(1, x, y);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    // Before QApplication: --help and --version work without a display.
    int firstName = 1;
    if (const int status = handleOptions(argc, argv, firstName); status >= 0)
        return status;
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        sayBeforeStart([] {
            sayNoDisplay(QCoreApplication::translate("EditorStart", "neither DISPLAY nor WAYLAND_DISPLAY is set"));
        });
        return 1;
    }
    g_qtHandler = qInstallMessageHandler(noDisplayHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(g_qtHandler);
    app.setStyle(new DeferredIconStyle); // the style it would have, without reading pictures before the window
    Translations::install(); // the system's language: French or German, else as written
    QList<QByteArray> words; // as the system passed them: a name need not be valid text
    for (int i = firstName; i < argc; ++i)
        words << QByteArray(argv[i]);
    QtMessages messages;
    QtFileDialogs dialogs;
    QtFileStore files;
    QtSettings settings;
    QtProgress importProgress(QStringLiteral("Import..."));
    // Import files are decoded in a helper process, with Cancel when that takes long.
    IsolatedPictureLoader pictures({}, IsolatedPictureLoader::kDefaultTimeoutMs, &importProgress);
    DeferredPrintDialog printDialog(printModulePath(), messages);
    QtProgramLauncher launcher;
    QtDesktop desktop;
    DialogQuestions questions(messages);
    QtProgramRunner programs;
    QtClipboard clipboard;
    // Every transfer with the calculator runs in the link helper, with Cancel when it takes long.
    QtProgress linkProgress(QStringLiteral("Calculator Link"));
    Services services{messages, dialogs, files, settings, pictures, printDialog, launcher, desktop, questions, programs,
                      &questions, &clipboard};
    services.calculatorLink = [](const LinkSettings &link, Progress *progress) -> std::unique_ptr<CalculatorLink> {
        return std::make_unique<QtCalculatorLink>(link, QString(), 0, progress);
    };
    services.linkProgress = &linkProgress;
    PosixPrivateFolder recoveryFolder(RecoveryStore::defaultFolder());
    RecoveryStore recovery(files, recoveryFolder); // before the window, which writes to it until it is gone
    services.recovery = &recovery;
    MainWindow window(services);
    messages.setParent(&window);
    dialogs.setParent(&window);
    printDialog.setParent(&window);
    questions.setParent(&window);
    importProgress.setParent(&window);
    linkProgress.setParent(&window);
    window.start(startWords(words));
    window.offerRecovery();
    if (const QByteArray stroke = qgetenv("DOTLARK_TEST_STROKE"); !stroke.isEmpty())
        drawTestStroke(window, stroke);
    return app.exec();
}
