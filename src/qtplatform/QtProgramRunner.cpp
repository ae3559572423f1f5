#include "qtplatform/QtProgramRunner.h"

#include <QProcess>
#include <QStandardPaths>

QString QtProgramRunner::find(const QString &name) { return QStandardPaths::findExecutable(name); }

bool QtProgramRunner::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

int QtProgramRunner::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}
