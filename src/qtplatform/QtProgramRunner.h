#pragma once

#include "platform/ProgramRunner.h"

// QStandardPaths looks on the PATH; QProcess starts the program in its own session.
class QtProgramRunner : public ProgramRunner
{
public:
    QString find(const QString &name) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    // Runs the program to its end with the same standard streams; its exit status, or -1
    // when it could not start or crashed.
    static int run(const QString &program, const QStringList &arguments);
};
