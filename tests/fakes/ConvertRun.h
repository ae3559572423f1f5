#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The command-line tool run as a user runs it, for the tool's tests (their target defines
// DOTLARK_BINARY_DIR). Its standard input is closed, so nothing waits for an answer there.
struct ToolRun
{
    int exitCode = -1; // -1: it did not end in time
    QString out, err;
};

inline QString convertToolPath() { return QStringLiteral(DOTLARK_BINARY_DIR "/app/convert/dotlark-convert"); }

inline ToolRun runConvert(const QStringList &arguments,
                          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                          int timeoutMs = 60000)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(convertToolPath(), arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs))
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
