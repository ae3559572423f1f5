#include "qtplatform/QtCalculatorLink.h"

#include "platform/Progress.h"
#include "qtplatform/HelperProgram.h"
#include "qtplatform/LinkProtocol.h"
#include "qtplatform/LinkReply.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <csignal>
#include <cstring>

namespace {

// The context of these words in the translations.
class CalculatorLinkText
{
    Q_DECLARE_TR_FUNCTIONS(QtCalculatorLink)
};

const QString kHelperName = QStringLiteral("dotlark-link");

Failure linkFailure(const QString &why) { return {Failure::What::LinkFailed, {}, why}; }

// Why the helper ended without an answer of its own; empty when it ended by itself.
QString endingProblem(const QProcess &process)
{
    if (process.error() == QProcess::FailedToStart)
        return CalculatorLinkText::tr("the link helper %1 cannot be started: %2").arg(process.program(), process.errorString());
    if (process.exitStatus() == QProcess::CrashExit)
        return CalculatorLinkText::tr("the link helper stopped on a fault (%1)")
            .arg(QString::fromLocal8Bit(strsignal(process.exitCode())));
    return {};
}

QStringList helperArguments(QStringList operation, const LinkSettings &settings)
{
    return operation << QStringLiteral("--cable") << settings.cable << QStringLiteral("--port")
                     << QString::number(settings.port) << QStringLiteral("--calc") << settings.calc
                     << QStringLiteral("--timeout") << QString::number(settings.timeoutSeconds);
}

// Tells `progress` the last "progress DONE TOTAL" line among the whole lines of output from
// `from` on; returns where the next look starts (after the last whole line).
qsizetype showProgress(const QByteArray &output, qsizetype from, Progress &progress)
{
    const qsizetype end = output.lastIndexOf('\n') + 1;
    if (end <= from)
        return from;
    const QByteArray prefix = QByteArray(LinkProtocol::kProgress) + '\t';
    const QList<QByteArray> lines = output.mid(from, end - from).split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line)
        if (line->startsWith(prefix)) {
            const QList<QByteArray> fields = line->split('\t');
            if (fields.size() == 3)
                progress.step(fields[1].toLongLong(), fields[2].toLongLong());
            break;
        }
    return end;
}

} // namespace

// The helper's reply, or why there is none.
struct QtCalculatorLink::Answer
{
    LinkReply reply;
    QString problem;
};

namespace {

// What the helper that ended said, or why it said nothing.
QtCalculatorLink::Answer answerOf(const QProcess &process, const QString &stopped, const QByteArray &output)
{
    if (!stopped.isEmpty())
        return {{}, stopped};
    if (const QString problem = endingProblem(process); !problem.isEmpty())
        return {{}, problem};
    QtCalculatorLink::Answer answer{LinkReply::parse(output), {}};
    if (!answer.reply.malformed.isEmpty())
        answer.problem = answer.reply.malformed;
    else if (!answer.reply.failure.isEmpty())
        answer.problem = answer.reply.failure;
    return answer;
}

} // namespace

QtCalculatorLink::QtCalculatorLink(LinkSettings settings, QString helper, int deadlineMs, Progress *progress)
    : m_settings(std::move(settings)), m_helper(std::move(helper)), m_deadlineMs(deadlineMs), m_progress(progress)
{
}

// As the picture reader is found: also where the install put it under another libexec folder.
QString QtCalculatorLink::findHelper() { return findHelperProgram(kHelperName); }

QtCalculatorLink::Answer QtCalculatorLink::run(const QStringList &operation, const QString &text)
{
    const QString helper = m_helper.isEmpty() ? findHelper() : m_helper;
    if (helper.isEmpty())
        return {{}, CalculatorLinkText::tr("the link helper %1 is not installed").arg(kHelperName)};
    QProcess process;
    QEventLoop loop;
    QTimer deadline;
    QString stopped;
    QByteArray output;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto stop = [&](const QString &why) {
        if (stopped.isEmpty())
            stopped = why;
        process.kill();
    };
    qsizetype shown = 0; // the output up to here has been looked at for progress lines
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        output += process.readAllStandardOutput();
        if (output.size() > LinkProtocol::kMaxAnswerBytes)
            stop(CalculatorLinkText::tr("the link helper's answer is too long"));
        else if (m_progress)
            shown = showProgress(output, shown, *m_progress);
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        stop(CalculatorLinkText::tr("the calculator did not answer within %1 seconds").arg(m_deadlineMs / 1000.0));
    });
    process.start(helper, helperArguments(operation, m_settings));
    deadline.start(m_deadlineMs);
    if (m_progress)
        m_progress->begin(text, [&] { stop(CalculatorLinkText::tr("the transfer was cancelled")); });
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec();
    if (m_progress)
        m_progress->end();
    process.waitForFinished(1000);
    output += process.readAllStandardOutput();
    return answerOf(process, stopped, output);
}

Done QtCalculatorLink::send(const QString &variableFile)
{
    const Answer answer = run({QStringLiteral("send"), QFileInfo(variableFile).absoluteFilePath()},
                              CalculatorLinkText::tr("Sending %1 to the calculator...").arg(QFileInfo(variableFile).fileName()));
    if (!answer.problem.isEmpty())
        return linkFailure(answer.problem);
    return {};
}

Outcome<std::vector<CalculatorVariable>> QtCalculatorLink::list()
{
    const Answer answer = run({QStringLiteral("list")}, CalculatorLinkText::tr("Reading the calculator's variables..."));
    if (!answer.problem.isEmpty())
        return linkFailure(answer.problem);
    return answer.reply.variables;
}

Done QtCalculatorLink::receive(const QString &folder, const QString &name, const QString &outFile)
{
    const Answer answer = run({QStringLiteral("receive"), folder, name, QFileInfo(outFile).absoluteFilePath()},
                              CalculatorLinkText::tr("Receiving %1\\%2 from the calculator...").arg(folder, name));
    if (!answer.problem.isEmpty())
        return linkFailure(answer.problem);
    return {};
}

Outcome<CalculatorScreen> QtCalculatorLink::capture(bool full)
{
    const Answer answer = run({QStringLiteral("screen"), full ? QStringLiteral("full") : QStringLiteral("clipped")},
                              CalculatorLinkText::tr("Capturing the calculator's screen..."));
    if (!answer.problem.isEmpty())
        return linkFailure(answer.problem);
    if (!answer.reply.screen)
        return linkFailure(CalculatorLinkText::tr("the link helper sent no screen"));
    return *answer.reply.screen;
}
