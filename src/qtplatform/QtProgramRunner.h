#pragma once

#include "platform/ProgramRunner.h"

#include <memory>
#include <vector>

// QStandardPaths looks on the PATH; QProcess runs the programs. A started program writes
// its output into a temporary file rather than a pipe, so that it can go on when the
// editor ends before it: the runner then lets it run and forgets it (its `finished` is
// never called, what it holds is kept).
class QtProgramRunner : public ProgramRunner
{
public:
    QtProgramRunner();
    ~QtProgramRunner() override;
    QString find(const QString &name) override;
    bool start(const QString &program, const QStringList &arguments, Finished finished) override;
    bool isRunning(const QString &program) const override;

    // Runs the program to its end: its standard output is passed on to ours as it comes and
    // kept; its standard error and input are ours. Exit status -1 when it could not start
    // or crashed.
    static ProgramEnd run(const QString &program, const QStringList &arguments);

private:
    struct Job;
    void ended(Job *job, int exitStatus);
    std::vector<std::unique_ptr<Job>> m_jobs;
};
