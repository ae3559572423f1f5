#include "SendCommand.h"

#include "calc/Tilp.h"
#include "qtplatform/QtProgramRunner.h"

int sendPicture(Context &context)
{
    const QString &file = context.call.files[0];
    const std::optional<CalcPicture> picture = readPicture(context.files, file);
    if (!picture)
        return kExitRefused;
    QtProgramRunner programs;
    const QString tilp = programs.find(Tilp::program);
    if (tilp.isEmpty())
        return refuse(file, QStringLiteral("cannot be sent: TiLP is not installed (sudo apt install tilp2)"));
    // The calculator by the file's signature: the ending may be anything, the signature is
    // what TiLP goes by.
    const ProgramEnd end = QtProgramRunner::run(tilp, Tilp::terminalArguments(picture->kind, file));
    if (end.exitStatus < 0)
        return refuse(file, QStringLiteral("cannot be sent: %1 did not run to its end").arg(tilp));
    const QString hint = Tilp::cableHint(end.output);
    const QString more = hint.isEmpty() ? QString() : QStringLiteral("\n") + hint;
    if (end.exitStatus != 0)
        return refuse(file, QStringLiteral("was not sent: TiLP ended with exit status %1").arg(end.exitStatus) + more);
    if (Tilp::reportedError(end.output))
        return refuse(file, QStringLiteral("was not sent: TiLP reported an error") + more);
    return kExitOk;
}
