#include "ConvertCommands.h"
#include "ImageFileLoader.h"
#include "platform/QtFileStore.h"

#include <QCoreApplication>

// dotlark-convert: TI-89 picture files to and from ordinary images, from the command line.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QtFileStore files;
    ImageFileLoader loader;
    return runConvert(app.arguments().mid(1), files, loader);
}
