#include "qtplatform/QtProgramLauncher.h"

#include "qtplatform/X11Windows.h"

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

bool QtProgramLauncher::start(const QString &path, WindowStyle style)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return false;
    // The program starts in its own folder, where it looks for its own files.
    const QString program = file.absoluteFilePath();
    const QString folder = file.absolutePath();
    qint64 pid = 0;
    bool started = file.isExecutable() && QProcess::startDetached(program, {}, folder, &pid);
    if (!started && program.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
        started = !wine.isEmpty() && QProcess::startDetached(wine, {program}, folder, &pid);
    }
    if (started && style == WindowStyle::NormalWithFocus)
        follow(pid);
    return started;
}

bool QtProgramLauncher::activate(const QString &title)
{
    X11Windows *x = windows();
    if (!x)
        return false;
    const std::optional<X11Windows::Id> window = x->findByTitle(title);
    return window && x->activate(*window);
}

void QtProgramLauncher::follow(qint64 pid)
{
    if (!windows() || pid <= 0)
        return;
    // A later start replaces the program followed before.
    m_followedPid = pid;
    m_followDeadline.setRemainingTime(followMilliseconds);
    m_followTimer.start();
}

void QtProgramLauncher::lookForFollowedWindow()
{
    X11Windows *x = windows();
    const std::optional<X11Windows::Id> window = x ? x->findByProcess(m_followedPid) : std::nullopt;
    if (window)
        x->activate(*window);
    if (window || m_followDeadline.hasExpired() || !processRuns(m_followedPid)) {
        m_followTimer.stop();
        m_followedPid = 0;
    }
}

X11Windows *QtProgramLauncher::windows()
{
    if (!m_windows)
        m_windows = std::make_unique<X11Windows>();
    return m_windows->usable() ? m_windows.get() : nullptr;
}
