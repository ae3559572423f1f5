#include "qtplatform/IsolatedPictureLoader.h"

#include "platform/Progress.h"
#include "qtplatform/HelperProgram.h"
#include "qtplatform/DecodeProtocol.h"
#include "qtplatform/DecodeReply.h"

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
class PictureLoaderText
{
    Q_DECLARE_TR_FUNCTIONS(IsolatedPictureLoader)
};

const QString kHelperName = QStringLiteral("dotlark-decode");

QStringList helperArguments(const QString &path, const LoadHint &hint)
{
    QStringList arguments{path};
    const auto addSize = [&arguments](const char *option, QSize size) {
        if (!size.isEmpty())
            arguments << QString::fromLatin1(option) << QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
    };
    addSize(DecodeProtocol::kCoverOption, hint.cover);
    addSize(DecodeProtocol::kTopLeftOption, hint.topLeft);
    return arguments;
}

// Why the helper ended without an answer of its own; empty when it ended by itself.
QString endingProblem(const QProcess &process)
{
    if (process.error() == QProcess::FailedToStart)
        return PictureLoaderText::tr("the picture reader %1 cannot be started: %2").arg(process.program(), process.errorString());
    if (process.exitStatus() != QProcess::CrashExit)
        return {};
    const int signal = process.exitCode(); // the signal that ended the helper
    if (signal == SIGXCPU)
        return PictureLoaderText::tr("reading the picture took more than %1 seconds of processor time").arg(DecodeProtocol::kCpuSeconds);
    return PictureLoaderText::tr("the picture reader stopped on a fault (%1)").arg(QString::fromLocal8Bit(strsignal(signal)));
}

// One run of the helper, turned by an event loop of its own: its answer, its end, the
// deadline and Cancel each arrive as an event, and everything else the program has to do
// goes on meanwhile.
class HelperRun
{
public:
    explicit HelperRun(int timeoutMs);
    // Runs the helper to its end, or until it is stopped; the progress (if any) shows the
    // run as `text` and may cancel it.
    void run(const QString &helper, const QStringList &arguments, Progress *progress, const QString &text);
    // The picture of the file at path, or why there is none.
    Outcome<LoadedPicture> result(const QString &path);

private:
    void stop(const QString &why);
    void end();

    int m_timeoutMs;
    QProcess m_process;
    DecodeReply m_reply;
    QEventLoop m_loop;
    QTimer m_deadline;
    QString m_stopped; // why the helper was ended before it answered
    bool m_ended = false;
};

HelperRun::HelperRun(int timeoutMs) : m_timeoutMs(timeoutMs)
{
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &m_loop, [this] {
        if (const Done read = m_reply.readFrom(m_process); !read)
            stop(read.failure().detail);
    });
    QObject::connect(&m_process, &QProcess::finished, &m_loop, [this] { end(); });
    QObject::connect(&m_process, &QProcess::errorOccurred, &m_loop, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end();
    });
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, &m_loop, [this] {
        stop(PictureLoaderText::tr("reading the picture took longer than %1 seconds").arg(m_timeoutMs / 1000.0));
    });
}

void HelperRun::stop(const QString &why)
{
    if (m_stopped.isEmpty())
        m_stopped = why;
    m_process.kill();
}

void HelperRun::end()
{
    m_ended = true;
    m_loop.quit();
}

void HelperRun::run(const QString &helper, const QStringList &arguments, Progress *progress, const QString &text)
{
    m_process.start(helper, arguments);
    m_deadline.start(m_timeoutMs);
    if (progress)
        progress->begin(text, [this] { stop(PictureLoaderText::tr("the reading was cancelled")); });
    if (!m_ended) // a helper that cannot start may say so at once
        m_loop.exec();
    if (progress)
        progress->end();
    m_deadline.stop();
}

Outcome<LoadedPicture> HelperRun::result(const QString &path)
{
    if (const Done read = m_reply.readFrom(m_process); !read && m_stopped.isEmpty())
        m_stopped = read.failure().detail;
    const QString problem = m_stopped.isEmpty() ? endingProblem(m_process) : m_stopped;
    if (!problem.isEmpty())
        return notAPicture(problem, path);
    Outcome<LoadedPicture> picture = m_reply.picture(m_process.exitCode());
    if (!picture)
        return notAPicture(picture.failure().detail, path);
    return picture;
}

} // namespace

IsolatedPictureLoader::IsolatedPictureLoader(QString helper, int timeoutMs, Progress *progress)
    : m_helper(std::move(helper)), m_timeoutMs(timeoutMs), m_progress(progress)
{
}

QString IsolatedPictureLoader::findHelper() { return findHelperProgram(kHelperName); }

Outcome<QImage> IsolatedPictureLoader::load(const QString &path) { return imageOf(loadFor(path, {})); }

Outcome<LoadedPicture> IsolatedPictureLoader::loadFor(const QString &path, const LoadHint &hint)
{
    const QString helper = m_helper.isEmpty() ? findHelper() : m_helper;
    if (helper.isEmpty())
        return notAPicture(PictureLoaderText::tr("the picture reader %1 is not installed").arg(kHelperName), path);
    HelperRun run(m_timeoutMs);
    run.run(helper, helperArguments(path, hint), m_progress, PictureLoaderText::tr("Reading %1...").arg(QFileInfo(path).fileName()));
    return run.result(path);
}
