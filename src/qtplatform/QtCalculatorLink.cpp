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
    operation << QStringLiteral("--cable") << settings.cable << QStringLiteral("--port") << QString::number(settings.port)
              << QStringLiteral("--calc") << settings.calc << QStringLiteral("--timeout")
              << QString::number(settings.timeoutSeconds);
    if (settings.calc == QStringLiteral("auto"))
        for (const QString &guess : settings.guesses)
            operation << QStringLiteral("--guess") << guess;
    return operation;
}

} // namespace

// The helper's reply, or why there is none.
struct QtCalculatorLink::Answer
{
    LinkReply reply;
    QString problem;
};

namespace {

// What the helper that ended said, or why it said nothing. A cancelled transfer gives the
// helper's own words on how it ended, when it had the time to say them.
QtCalculatorLink::Answer answerOf(const QProcess &process, const QString &stopped, bool cancelled, const QByteArray &output)
{
    if (!stopped.isEmpty() && !cancelled)
        return {{}, stopped};
    QtCalculatorLink::Answer answer{LinkReply::parse(output), {}};
    // A transfer that had ended when the cancel came is what it was: done.
    if (cancelled && !answer.reply.done && (answer.reply.failure.isEmpty() || !answer.reply.malformed.isEmpty()))
        return {{}, stopped};
    if (const QString problem = endingProblem(process); !problem.isEmpty())
        answer.problem = problem;
    else if (!answer.reply.malformed.isEmpty())
        answer.problem = answer.reply.malformed;
    else if (!answer.reply.failure.isEmpty())
        answer.problem = answer.reply.failure;
    else if (process.exitCode() != 0)
        answer.problem = CalculatorLinkText::tr("the link helper said it was done, but ended with status %1")
                             .arg(process.exitCode());
    return answer;
}

} // namespace

QtCalculatorLink::QtCalculatorLink(LinkSettings settings, QString helper, int silenceMs, Progress *progress)
    : m_settings(std::move(settings)), m_helper(std::move(helper)),
      m_silenceMs(silenceMs > 0 ? silenceMs : silenceLimitMs(m_settings.timeoutSeconds)), m_progress(progress)
{
}

int QtCalculatorLink::silenceLimitMs(int timeoutSeconds) { return (3 * std::max(timeoutSeconds, 1) + 4) * 1000; }

// As the picture reader is found: also where the install put it under another libexec folder.
QString QtCalculatorLink::findHelper() { return findHelperProgram(kHelperName); }

QtCalculatorLink::Answer QtCalculatorLink::run(const QStringList &operation, const QString &text, const ReplaceQuestion &ask)
{
    m_calcUsed.reset();
    const QString helper = m_helper.isEmpty() ? findHelper() : m_helper;
    if (helper.isEmpty())
        return {{}, CalculatorLinkText::tr("the link helper %1 is not installed").arg(kHelperName)};
    QProcess process;
    QEventLoop loop;
    QTimer silence, grace;
    QString stopped;
    bool cancelled = false;
    QByteArray output;
    LinkReply live; // the whole lines so far, for the question
    process.setStandardErrorFile(QProcess::nullDevice());
    const auto stop = [&](const QString &why) {
        if (stopped.isEmpty())
            stopped = why;
        process.kill();
    };
    qsizetype looked = 0; // the output up to here has been looked at line by line
    const auto lookAtLines = [&] {
        const qsizetype end = output.lastIndexOf('\n') + 1;
        const QList<QByteArray> lines = end > looked ? output.mid(looked, end - looked).split('\n') : QList<QByteArray>();
        looked = std::max(looked, end);
        std::optional<std::pair<qint64, qint64>> step;
        for (const QByteArray &line : lines) {
            if (line.isEmpty() || !live.take(line))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            if (fields[0] == LinkProtocol::kProgress)
                step = {fields[1].toLongLong(), fields[2].toLongLong()};
            if (fields[0] == LinkProtocol::kAsk && process.state() == QProcess::Running) {
                // The user's time is not the calculator's: no clock while the question is up.
                silence.stop();
                const bool yes = ask && ask(live.held, live.unsure);
                process.write(yes ? "yes\n" : "no\n");
                process.closeWriteChannel();
                silence.start(m_silenceMs);
            }
        }
        if (step && m_progress)
            m_progress->step(step->first, step->second);
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        output += process.readAllStandardOutput();
        if (!cancelled)
            silence.start(m_silenceMs); // a sign of life
        if (output.size() > LinkProtocol::kMaxAnswerBytes)
            stop(CalculatorLinkText::tr("the link helper's answer is too long"));
        else
            lookAtLines();
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            loop.quit();
    });
    silence.setSingleShot(true);
    QObject::connect(&silence, &QTimer::timeout, &loop, [&] {
        stop(CalculatorLinkText::tr("the calculator did not answer within %1 seconds").arg(m_silenceMs / 1000.0));
    });
    // Cancel lets the helper end the exchange (the calculator would otherwise wait for the
    // rest of it); a helper that takes longer than two of the cable's waits is ended.
    grace.setSingleShot(true);
    QObject::connect(&grace, &QTimer::timeout, &loop, [&] { process.kill(); });
    process.start(helper, helperArguments(operation, m_settings));
    if (!ask)
        process.closeWriteChannel();
    silence.start(m_silenceMs);
    if (m_progress)
        m_progress->begin(text, [&] {
            if (cancelled || !stopped.isEmpty())
                return;
            cancelled = true;
            stopped = CalculatorLinkText::tr("the transfer was cancelled");
            silence.stop();
            process.closeWriteChannel(); // a helper waiting for the answer to its question hears no
            process.terminate();
            grace.start((2 * std::max(m_settings.timeoutSeconds, 1) + 2) * 1000);
        });
    if (process.state() != QProcess::NotRunning || process.error() != QProcess::FailedToStart)
        loop.exec();
    if (m_progress)
        m_progress->end();
    process.waitForFinished(1000);
    output += process.readAllStandardOutput();
    Answer answer = answerOf(process, stopped, cancelled, output);
    m_calcUsed = answer.reply.calc ? answer.reply.calc : live.calc;
    return answer;
}

Done QtCalculatorLink::send(const QString &variableFile)
{
    const Answer answer = run({QStringLiteral("send"), QFileInfo(variableFile).absoluteFilePath()},
                              CalculatorLinkText::tr("Sending %1 to the calculator...").arg(QFileInfo(variableFile).fileName()));
    if (!answer.problem.isEmpty())
        return linkFailure(answer.problem);
    return {};
}

SendReport QtCalculatorLink::sendAll(const QStringList &variableFiles, const ReplaceQuestion &ask)
{
    QStringList operation{QStringLiteral("send")};
    for (const QString &file : variableFiles)
        operation << QFileInfo(file).absoluteFilePath();
    if (ask)
        operation << QStringLiteral("--ask");
    const QString text = variableFiles.size() == 1
                             ? CalculatorLinkText::tr("Sending %1 to the calculator...").arg(QFileInfo(variableFiles.front()).fileName())
                             : CalculatorLinkText::tr("Sending %1 variables to the calculator...").arg(variableFiles.size());
    const Answer answer = run(operation, text, ask);
    SendReport report;
    report.sent = answer.reply.sent;
    report.declined = answer.reply.declined && answer.problem.isEmpty();
    if (!answer.problem.isEmpty())
        report.failure = linkFailure(answer.problem);
    return report;
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
