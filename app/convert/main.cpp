#include "ConvertCommands.h"
#include "qtplatform/QtFileStore.h"
#include "qtplatform/IsolatedPictureLoader.h"

#include <QGuiApplication>

// dotlark-convert: TI-89 picture files to and from ordinary images, and printed to PDF,
// from the command line.
int main(int argc, char *argv[])
{
    // The tool never opens a window; printing only needs Qt's fonts and painting, which the
    // offscreen platform gives without a display. A platform the user chose is kept.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QtFileStore files;
    IsolatedPictureLoader loader; // pictures are decoded in a helper process
    return runConvert(app.arguments().mid(1), files, loader);
}
