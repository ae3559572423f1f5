#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// How an outside program ended: its exit status, -1 when it crashed or was killed, and what
// it wrote on its standard output.
struct ProgramEnd
{
    int exitStatus = 0;
    QString output;
};

// Outside command-line programs found on the PATH, such as the calculator link program.
class ProgramRunner
{
public:
    using Finished = std::function<void(const ProgramEnd &)>;

    virtual ~ProgramRunner() = default;
    // The full path of the program name on the PATH; empty when there is none.
    virtual QString find(const QString &name) = 0;
    // Starts the program with arguments and returns at once; `finished` is called from the
    // event loop when it has ended. False, and no call, when it cannot start.
    virtual bool start(const QString &program, const QStringList &arguments, Finished finished) = 0;
    // Whether a program started by start() from this path has not ended yet.
    virtual bool isRunning(const QString &program) const = 0;
};

// The end of a program's output, fit for a message box: its last non-empty lines, at most
// `lines` of them, each cut to `columns` characters.
QString outputTail(const QString &output, int lines = 6, int columns = 120);
