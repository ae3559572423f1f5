#include "EmulatedCalculator.h"

#define restrict __restrict
#include <tilp2/tifiles.h>
#undef restrict

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cstring>
#include <glib.h>
#include <sys/ipc.h>
#include <sys/shm.h>

namespace {

// PedroM takes 30 to 40 s to reach its prompt; on a loaded machine longer.
constexpr int kBootMs = 45000;
constexpr int kAttempts = 2;
// PedroM's error box comes about once in five transfers; after its dismissal the next
// transfer may still meet the bytes it refused and time out once more.
constexpr int kRetries = 4;

bool timedOut(const QString &said) { return said.contains(QStringLiteral("(error 4)")); }

struct ModelInfo
{
    const char *image;
    int deviceType;
    const char *calc;
    const char *suffix;
    QPoint escKey; // the ESC key's middle on the emulator's skin, relative to its window
};

ModelInfo modelInfo(EmulatedCalculator::Model model)
{
    switch (model) {
    case EmulatedCalculator::Model::TI92Plus:
        return {"pedrom9x.tib", 0x88, "ti92+", "9xi", {462, 48}};
    case EmulatedCalculator::Model::Voyage200:
        return {"pedromv2.tib", 0x88, "v200", "v2i", {400, 72}};
    case EmulatedCalculator::Model::TI89:
        break;
    }
    return {"pedrom89.tib", 0x98, "ti89", "89i", {111, 229}};
}

// The flash file of the OS image: libtifiles2 reads no .tib, but the emulator imports this.
bool wrapImage(const QString &image, int deviceType, const QString &flashFile)
{
    QFile in(image);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    tifiles_library_init();
    FlashContent *content = tifiles_content_create_flash(CALC_TI89);
    std::strcpy(content->name, "basecode");
    content->data_type = 0x23;
    content->device_type = uint8_t(deviceType);
    content->revision_major = 0;
    content->revision_minor = 81;
    content->data_length = uint32_t(bytes.size());
    content->data_part = static_cast<uint8_t *>(g_malloc(size_t(bytes.size())));
    std::memcpy(content->data_part, bytes.constData(), size_t(bytes.size()));
    const int error = tifiles_file_write_flash(QFile::encodeName(flashFile).constData(), content);
    tifiles_content_delete_flash(content);
    return error == 0;
}

} // namespace

EmulatedCalculator::EmulatedCalculator(Model model) : m_model(model)
{
    const ModelInfo info = modelInfo(model);
    m_image = QStringLiteral("/usr/share/tiemu/pedrom/") + QLatin1String(info.image);
    m_deviceType = info.deviceType;
    m_calc = QLatin1String(info.calc);
    m_escKey = info.escKey;
}

QString EmulatedCalculator::pictureSuffix() const { return QLatin1String(modelInfo(m_model).suffix); }

EmulatedCalculator::~EmulatedCalculator() { kill(); }

void EmulatedCalculator::cleanLink()
{
    const key_t key = ::ftok("/tmp", 0x1234);
    if (const int id = ::shmget(key, 0, 0); id >= 0)
        ::shmctl(id, IPC_RMID, nullptr);
    QFile::remove(QStringLiteral("/tmp/.vlc_0_1"));
    QFile::remove(QStringLiteral("/tmp/.vlc_1_0"));
}

QString EmulatedCalculator::linkHelper() { return QStringLiteral(DOTLARK_BINARY_DIR "/app/link/dotlark-link"); }

QStringList EmulatedCalculator::linkOptions() const
{
    // The emulator runs slower than a calculator on a loaded machine: the cable waits 10 s
    // for each answer, not 2 (a timeout is taken for PedroM's error box: dismissed and retried).
    return {QStringLiteral("--cable"), QStringLiteral("tiemu"), QStringLiteral("--port"), QStringLiteral("2"),
            QStringLiteral("--calc"), m_calc, QStringLiteral("--timeout"), QStringLiteral("10")};
}

void EmulatedCalculator::kill()
{
    if (running()) {
        m_emulator.kill();
        m_emulator.waitForFinished(5000);
    }
    cleanLink();
}

bool EmulatedCalculator::start()
{
    return prepare() && restart();
}

bool EmulatedCalculator::restart()
{
    for (int attempt = 0; attempt < kAttempts; ++attempt)
        if (boot() && answers())
            return true;
    kill();
    return false;
}

QString EmulatedCalculator::retried(const std::function<QString()> &run)
{
    QString said = run();
    for (int retry = 0; retry < kRetries && timedOut(said); ++retry) {
        dismissError();
        said = run();
    }
    return said;
}

QString EmulatedCalculator::transfer(const std::function<QString()> &run)
{
    const QString said = retried(run);
    if (!timedOut(said))
        return said;
    qWarning("the emulated calculator still does not answer after %d dismissals; booting it again", kRetries);
    return restart() ? run() : m_why;
}

void EmulatedCalculator::dismissError()
{
    ++m_dismissals;
    QProcess search;
    search.start(QStringLiteral("xdotool"), {"search", "--all", "--pid", QString::number(m_emulator.processId()),
                                             "--name", "^TiEmu \\("});
    search.waitForFinished(10000);
    const QString window = QString::fromUtf8(search.readAllStandardOutput()).section(u'\n', 0, 0).trimmed();
    if (window.isEmpty())
        return;
    QProcess::execute(QStringLiteral("xdotool"), {"mousemove", "--window", window, QString::number(m_escKey.x()),
                                                  QString::number(m_escKey.y()), "mousedown", "1", "sleep", "0.3",
                                                  "mouseup", "1"});
    QThread::msleep(1000);
}

bool EmulatedCalculator::prepare()
{
    const QString tiemu = QStandardPaths::findExecutable(QStringLiteral("tiemu"));
    if (tiemu.isEmpty())
        return m_why = QStringLiteral("tiemu is not installed (apt-get install tiemu)"), false;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return m_why = QStringLiteral("no X display for the emulator (run the tests under xvfb-run)"), false;
    if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        return m_why = QStringLiteral("xdotool is not installed (apt-get install xdotool)"), false;
    if (!QFileInfo::exists(m_image) || !m_home.isValid())
        return m_why = QStringLiteral("no PedroM image at %1").arg(m_image), false;
    const QString flash = m_home.filePath(QStringLiteral("pedrom.89u"));
    if (!wrapImage(m_image, m_deviceType, flash))
        return m_why = QStringLiteral("PedroM's image cannot be re-wrapped"), false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    m_emulator.setProcessEnvironment(environment);
    m_emulator.setProgram(tiemu);
    m_emulator.setStandardOutputFile(QProcess::nullDevice());
    m_emulator.setStandardErrorFile(QProcess::nullDevice());
    QProcess import;
    import.setProcessEnvironment(environment);
    import.setStandardOutputFile(QProcess::nullDevice());
    import.setStandardErrorFile(QProcess::nullDevice());
    import.start(tiemu, {QStringLiteral("--import"), QStringLiteral("-tib=") + flash});
    import.waitForFinished(30000);
    const QString image = m_home.filePath(QStringLiteral(".tiemu/images/pedrom.img"));
    if (!QFileInfo::exists(image))
        return m_why = QStringLiteral("the emulator did not import PedroM"), false;
    QFile settings(m_home.filePath(QStringLiteral(".tiemu/tiemu.ini")));
    if (!settings.open(QIODevice::WriteOnly))
        return m_why = QStringLiteral("the emulator's settings cannot be written"), false;
    settings.write("cable_model=TiEmu\ncable_port=#1\nimg_file=" + QFile::encodeName(image) + "\nRC_END\n");
    return true;
}

bool EmulatedCalculator::boot()
{
    kill();
    ++m_boots;
    m_emulator.start();
    if (!m_emulator.waitForStarted(10000))
        return m_why = QStringLiteral("tiemu cannot be started: %1").arg(m_emulator.errorString()), false;
    // No contact before the prompt: a packet during the boot spoils the link.
    if (m_emulator.waitForFinished(kBootMs))
        return m_why = QStringLiteral("tiemu ended during its boot (exit status %1)").arg(m_emulator.exitCode()), false;
    return true;
}

// The first transfer: a list. When it fails the boot was not over; the caller starts again.
bool EmulatedCalculator::answers()
{
    const QString said = retried([this] {
        QProcess helper;
        helper.start(linkHelper(), QStringList{QStringLiteral("list")} + linkOptions());
        if (!helper.waitForFinished(30000)) {
            helper.kill();
            helper.waitForFinished();
        }
        const QByteArray answer = helper.readAllStandardOutput();
        return helper.exitCode() == 0 && answer.endsWith("done\n") ? QString() : QString::fromUtf8(answer).trimmed();
    });
    if (said.isEmpty())
        return true;
    m_why = QStringLiteral("the emulated calculator does not answer: %1").arg(said);
    return false;
}
