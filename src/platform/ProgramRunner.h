#pragma once

#include <QString>
#include <QStringList>

// Outside command-line programs found on the PATH, such as the calculator link program.
class ProgramRunner
{
public:
    virtual ~ProgramRunner() = default;
    // The full path of the program name on the PATH; empty when there is none.
    virtual QString find(const QString &name) = 0;
    // Starts the program with arguments and does not wait for it. False when it cannot start.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
};
