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

EmulatedCalculator::EmulatedCalculator(QString image, int deviceType, QString calc)
    : m_image(std::move(image)), m_deviceType(deviceType), m_calc(std::move(calc))
{
}

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
    // for each answer, not 2 (a transfer that times out spoils PedroM's link for good).
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

bool EmulatedCalculator::prepare()
{
    const QString tiemu = QStandardPaths::findExecutable(QStringLiteral("tiemu"));
    if (tiemu.isEmpty())
        return m_why = QStringLiteral("tiemu is not installed (apt-get install tiemu)"), false;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return m_why = QStringLiteral("no X display for the emulator (run the tests under xvfb-run)"), false;
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
    QProcess helper;
    helper.start(linkHelper(), QStringList{QStringLiteral("list")} + linkOptions());
    if (!helper.waitForFinished(30000)) {
        helper.kill();
        helper.waitForFinished();
    }
    const QByteArray answer = helper.readAllStandardOutput();
    if (helper.exitCode() == 0 && answer.endsWith("done\n"))
        return true;
    m_why = QStringLiteral("the emulated calculator does not answer: %1").arg(QString::fromUtf8(answer).trimmed());
    return false;
}
