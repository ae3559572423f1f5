#include "SendCommand.h"

#include "qtplatform/QtProgramRunner.h"

int sendPicture(Context &context)
{
    const QString &file = context.call.files[0];
    if (!readPicture(context.files, file))
        return kExitRefused;
    QtProgramRunner programs;
    const QString tilp = programs.find(QStringLiteral("tilp"));
    if (tilp.isEmpty())
        return refuse(file, QStringLiteral("cannot be sent: TiLP is not installed (sudo apt install tilp2)"));
    const int status = QtProgramRunner::run(tilp, {QStringLiteral("--no-gui"), file});
    if (status < 0)
        return refuse(file, QStringLiteral("cannot be sent: %1 did not run to its end").arg(tilp));
    return status;
}
