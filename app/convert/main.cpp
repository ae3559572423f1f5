#include "CommandLine.h"
#include "ConvertCommands.h"
#include "FileNameChecks.h"
#include "ToolSupport.h"
#include "platform/Translations.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/IsolatedPictureLoader.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

#include <unistd.h>

// dotlark-convert: TI-89 picture files to and from ordinary images, and printed to PDF,
// from the command line.
int main(int argc, char *argv[])
{
    // Only printing paints text, which needs Qt's fonts and so a GUI application; the
    // offscreen platform gives that without a display (a platform the user chose is kept).
    // The other commands start quicker without one.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    std::unique_ptr<QCoreApplication> app;
    if (mentions(arguments, "--print-pdf")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    Translations::install(); // the messages and the help in the system's language
    const QList<QByteArray> given(argv + 1, argv + argc);
    if (const int refused = checkArgumentsCarry(given, optionsOfArguments(arguments)); refused != kExitOk)
        return refused;
    QtFileStore files;
    IsolatedPictureLoader loader; // pictures are decoded in a helper process
    const int status = runConvert(QCoreApplication::arguments().mid(1), files, loader);
    // Everything is written and said: end at once, without the libraries' tear-down, which
    // takes longer than a conversion of a picture.
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(status);
}
