#include "qtplatform/QtProgramLauncher.h"

#include "qtplatform/X11Windows.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cerrno>
#include <csignal>

namespace {

bool processRuns(qint64 pid) { return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH; }

} // namespace

QtProgramLauncher::QtProgramLauncher()
{
    m_followTimer.setInterval(100);
    QObject::connect(&m_followTimer, &QTimer::timeout, [this] { lookForFollowedWindow(); });
}

QtProgramLauncher::~QtProgramLauncher() = default;

ProgramLauncher::Start QtProgramLauncher::start(const QString &path, WindowStyle style, const QString &windowTitle)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return Start::Missing;
    if (!file.isFile())
        return Start::NotProgram;
    // The program starts in its own folder, where it looks for its own files.
    const QString program = file.absoluteFilePath();
    const QString folder = file.absolutePath();
    qint64 pid = 0;
    const bool byItself = file.isExecutable() && QProcess::startDetached(program, {}, folder, &pid);
    const Start result = byItself ? Start::Started : startByWine(program, &pid);
    if (result == Start::Started)
        follow(pid, windowTitle, style == WindowStyle::NormalWithFocus);
    return result;
}

ProgramLauncher::Start QtProgramLauncher::startByWine(const QString &program, qint64 *pid)
{
    // Wine starts whatever it is given and only then finds out that it is no program: a
    // file that does not begin as a Windows program does ("MZ") is refused here instead.
    QFile file(program);
    if (!program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive) || !file.open(QIODevice::ReadOnly)
        || file.read(2) != "MZ")
        return Start::NotProgram;
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wine.isEmpty())
        return Start::NoWine;
    return QProcess::startDetached(wine, {program}, QFileInfo(program).absolutePath(), pid) ? Start::Started
                                                                                           : Start::WineFailed;
}

bool QtProgramLauncher::activate(const QString &title)
{
    X11Windows *x = windows();
    if (!x)
        return false;
    if (const std::optional<X11Windows::Id> window = x->findByTitle(title))
        return x->activate(*window);
    // The program just started has not shown its window yet: it comes to the front when it does.
    if (m_followTimer.isActive() && (m_followed.title.isEmpty() || m_followed.title == title)) {
        m_followed.title = title;
        m_followed.activate = true;
    }
    return false;
}

void QtProgramLauncher::follow(qint64 pid, const QString &title, bool activate)
{
    X11Windows *x = windows();
    if (!x || pid <= 0)
        return;
    // A later start replaces the program followed before.
    m_followed = {pid, title, title.isEmpty() ? QList<X11Windows::Id>() : x->allByTitle(title), activate};
    m_followDeadline.setRemainingTime(followMilliseconds);
    m_followTimer.start();
}

std::optional<unsigned long> QtProgramLauncher::followedWindow()
{
    X11Windows *x = windows();
    if (!x)
        return std::nullopt;
    if (const std::optional<X11Windows::Id> window = x->findByProcess(m_followed.pid))
        return window;
    if (m_followed.title.isEmpty())
        return std::nullopt;
    for (const X11Windows::Id window : x->allByTitle(m_followed.title))
        if (!m_followed.titledBefore.contains(window))
            return window;
    return std::nullopt;
}

void QtProgramLauncher::lookForFollowedWindow()
{
    const std::optional<X11Windows::Id> window = followedWindow();
    if (window && m_followed.activate)
        windows()->activate(*window);
    // A program gone may have handed its window to another process; the title still finds it.
    const bool lost = m_followed.title.isEmpty() && !processRuns(m_followed.pid);
    if (window || lost || m_followDeadline.hasExpired()) {
        m_followTimer.stop();
        m_followed = {};
    }
}

X11Windows *QtProgramLauncher::windows()
{
    if (!m_windows)
        m_windows = std::make_unique<X11Windows>();
    return m_windows->usable() ? m_windows.get() : nullptr;
}
