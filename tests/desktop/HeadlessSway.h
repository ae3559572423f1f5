#pragma once

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

// A headless sway (software rendering, no input devices) in a folder of its own, for the
// programs a test runs natively on Wayland. sway refuses to run as root, so when the test
// is root the compositor and every program run on it act as user "nobody" through setpriv.
// The compositor and what was started on it end with this object, on every path.
class HeadlessSway
{
public:
    static constexpr int kNobody = 65534;

    // Empty when sway runs; else why it could not start (the test skips with it).
    QString start(int width, int height)
    {
        for (const char *tool : {"sway", "grim", "wl-paste", "wtype", "setpriv"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                return QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool));
        if (!m_folder.isValid())
            return QStringLiteral("no temporary folder");
        if (!QDir(m_folder.path()).mkdir(QStringLiteral("run")) || !ownedByUser(runtimeDir(), 0700)
            || !ownedByUser(m_folder.path(), 0755))
            return QStringLiteral("cannot prepare the compositor's folders");
        QFile config(m_folder.filePath(QStringLiteral("config")));
        if (!config.open(QIODevice::WriteOnly)
            || config.write(QStringLiteral("xwayland disable\noutput HEADLESS-1 resolution %1x%2 scale 1\n")
                                .arg(width)
                                .arg(height)
                                .toUtf8())
                   < 0)
            return QStringLiteral("cannot write the compositor's configuration");
        config.close();
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        m_sway.setProcessEnvironment(env);
        m_sway.setProcessChannelMode(QProcess::MergedChannels);
        startAsUser(m_sway, QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()});
        return waitForSocket();
    }

    ~HeadlessSway()
    {
        for (QProcess *process : m_started)
            stop(*process);
        qDeleteAll(m_started);
        stop(m_sway);
    }

    // The environment of a program shown on this compositor.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), m_folder.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config.d")));
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_folder.filePath(QStringLiteral("state.d")));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        if (!m_socket.isEmpty())
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_socket);
        return env;
    }

    // Starts a program on the compositor that runs until the compositor ends.
    QProcess &launch(const QString &program, const QStringList &arguments, const QProcessEnvironment &env)
    {
        auto *process = new QProcess;
        m_started << process;
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::MergedChannels);
        startAsUser(*process, program, arguments);
        return *process;
    }

    // Runs a short program on the compositor (a screenshot, the clipboard, keys) and returns
    // what it wrote, or nothing when it failed or took more than a few seconds.
    std::optional<QByteArray> run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.setProcessEnvironment(environment());
        startAsUser(process, program, arguments);
        if (!process.waitForFinished(5000)) {
            stop(process);
            return std::nullopt;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return std::nullopt;
        return process.readAllStandardOutput();
    }

    // Gives sway a command, as its configuration would ("output * scale 2").
    bool command(const QString &words)
    {
        const QStringList sockets = QDir(runtimeDir()).entryList({QStringLiteral("sway-ipc.*")}, QDir::System);
        return !sockets.isEmpty()
               && run(QStringLiteral("swaymsg"), {QStringLiteral("-s"), QDir(runtimeDir()).filePath(sockets.first()), words});
    }

    // A folder the programs on the compositor may read and write.
    QString folder() const { return m_folder.path(); }
    QString log() { return QString::fromLocal8Bit(m_sway.readAll()); }
    static bool ownedByUser(const QString &path, int mode)
    {
        const QByteArray name = QFile::encodeName(path);
        return (::geteuid() != 0 || ::chown(name.constData(), kNobody, kNobody) == 0) && ::chmod(name.constData(), mode) == 0;
    }

private:
    QString runtimeDir() const { return m_folder.filePath(QStringLiteral("run")); }

    // Through setpriv: as "nobody" when the test is root, and ended by the parent's death
    // signal even when the test itself is killed (a timeout).
    static void startAsUser(QProcess &process, const QString &program, const QStringList &arguments)
    {
        QStringList words{QStringLiteral("--pdeathsig"), QStringLiteral("TERM")};
        if (::geteuid() == 0)
            words << QStringLiteral("--reuid=%1").arg(kNobody) << QStringLiteral("--regid=%1").arg(kNobody)
                  << QStringLiteral("--clear-groups");
        process.start(QStringLiteral("setpriv"), words + QStringList{QStringLiteral("--"), program} + arguments);
    }

    static void stop(QProcess &process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    QString waitForSocket()
    {
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            const QStringList sockets = QDir(runtimeDir()).entryList({QStringLiteral("wayland-*")}, QDir::System);
            for (const QString &name : sockets)
                if (!name.endsWith(QLatin1String(".lock"))) {
                    m_socket = name;
                    return {};
                }
            if (m_sway.state() == QProcess::NotRunning || m_sway.waitForFinished(100))
                return QStringLiteral("sway ended at its start: ") + log().right(400);
        }
        stop(m_sway);
        return QStringLiteral("sway opened no Wayland socket within 10 seconds: ") + log().right(400);
    }

    QTemporaryDir m_folder;
    QProcess m_sway;
    QString m_socket;
    QList<QProcess *> m_started;
};
