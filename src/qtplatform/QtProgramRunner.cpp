#include "qtplatform/QtProgramRunner.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>

struct QtProgramRunner::Job
{
    QString program;
    QProcess *process = new QProcess; // deleted later: it may be ending inside its own signal
    QTemporaryFile output;
    Finished finished;
};

QtProgramRunner::QtProgramRunner() = default;

QtProgramRunner::~QtProgramRunner()
{
    // Programs still running go on (a transfer to the calculator is not cut off); the editor
    // is ending, so nothing is told of their end, and their files stay for them.
    for (std::unique_ptr<Job> &job : m_jobs) {
        QObject::disconnect(job->process, nullptr, nullptr, nullptr);
        job->output.setAutoRemove(false);
        (void)job.release();
    }
}

QString QtProgramRunner::find(const QString &name) { return QStandardPaths::findExecutable(name); }

bool QtProgramRunner::start(const QString &program, const QStringList &arguments, Finished finished)
{
    auto job = std::make_unique<Job>();
    job->program = program;
    job->finished = std::move(finished);
    if (!job->output.open())
        return false;
    QProcess &process = *job->process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(job->output.fileName());
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        process.deleteLater();
        return false;
    }
    Job *raw = job.get();
    QObject::connect(&process, &QProcess::finished, &process, [this, raw](int code, QProcess::ExitStatus status) {
        ended(raw, status == QProcess::NormalExit ? code : -1);
    });
    m_jobs.push_back(std::move(job));
    return true;
}

void QtProgramRunner::ended(Job *job, int exitStatus)
{
    const auto found = std::find_if(m_jobs.begin(), m_jobs.end(), [job](const auto &held) { return held.get() == job; });
    if (found == m_jobs.end())
        return;
    std::unique_ptr<Job> done = std::move(*found);
    m_jobs.erase(found); // no longer running, also while `finished` shows a message
    done->process->deleteLater();
    done->output.seek(0);
    const ProgramEnd end{exitStatus, QString::fromLocal8Bit(done->output.readAll())};
    if (done->finished)
        done->finished(end);
}

bool QtProgramRunner::isRunning(const QString &program) const
{
    return std::any_of(m_jobs.begin(), m_jobs.end(), [&program](const auto &job) { return job->program == program; });
}

ProgramEnd QtProgramRunner::run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, arguments);
    if (!process.waitForStarted())
        return {-1, {}};
    QByteArray output;
    const auto passOn = [&] {
        const QByteArray chunk = process.readAllStandardOutput();
        std::fwrite(chunk.constData(), 1, size_t(chunk.size()), stdout);
        std::fflush(stdout);
        output += chunk;
    };
    while (process.state() == QProcess::Running) {
        if (!process.waitForReadyRead(-1) && process.state() == QProcess::Running)
            break; // its output closed: only its end is left to wait for
        passOn();
    }
    process.waitForFinished(-1);
    passOn();
    const bool normal = process.exitStatus() == QProcess::NormalExit;
    return {normal ? process.exitCode() : -1, QString::fromLocal8Bit(output)};
}
