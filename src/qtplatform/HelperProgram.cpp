#include "qtplatform/HelperProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString findHelperProgram(const QString &name)
{
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QString &place : {name, QStringLiteral(DOTLARK_HELPER_DIR_FROM_BINDIR "/") + name}) {
        const QFileInfo info(QDir::cleanPath(folder.absoluteFilePath(place)));
        if (info.isFile() && info.isExecutable())
            return info.filePath();
    }
    return {};
}
