#include "LinkSession.h"

#include "LinkOutput.h"

#define restrict __restrict
#include <tilp2/ticables.h>
#include <tilp2/ticalcs.h>
#include <tilp2/tifiles.h>
#undef restrict

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <map>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

namespace {

const std::map<std::string, CalcModel> kCalcs{
    {"ti89", CALC_TI89}, {"ti89t", CALC_TI89T}, {"ti92", CALC_TI92}, {"ti92+", CALC_TI92P}, {"v200", CALC_V200},
};
const std::map<std::string, CableModel> kCables{
    {"silverlink", CABLE_SLV}, {"directlink", CABLE_USB}, {"blacklink", CABLE_BLK}, {"graylink", CABLE_GRY},
    {"parallel", CABLE_PAR},   {"tiemu", CABLE_TIE},      {"null", CABLE_NUL},
};
constexpr uint8_t kPictureType = 0x10;
// libticables2's "timeout occurred while reading from the device".
constexpr int kReadTimeout = 4;

// Words the user reads: the editor and the converter show a failure as it comes, so it is
// said in the user's language; %1, %2, ... take the arguments.
template <typename... Texts>
std::string said(const char *text, const Texts &...arguments)
{
    const QString words = QCoreApplication::translate("LinkSession", text);
    if constexpr (sizeof...(arguments) == 0)
        return words.toStdString();
    else
        return words.arg(QString::fromStdString(arguments)...).toStdString();
}

const char *const kNoUsbCable = QT_TRANSLATE_NOOP("LinkSession", "no USB link cable was found (plug in the SilverLink "
                                                                  "or the TI-89 Titanium's cable, or choose the cable)");

std::string ownedText(char *text)
{
    std::string copy = text ? text : "";
    g_free(text);
    return copy;
}

// The USB cable plugged in, when there is exactly one kind: the SilverLink, or the
// TI-89 Titanium's own DirectLink port.
std::optional<CableModel> usbCable(std::string &why)
{
    int *devices = nullptr;
    int count = 0;
    if (const int error = ticables_get_usb_devices(&devices, &count); error != 0) {
        // Without any USB device file the library fails to list them (errno 2).
        const std::string text = linkErrorText(error);
        why = text.find("errno = 2)") != std::string::npos
                  ? said(kNoUsbCable)
                  : said(QT_TRANSLATE_NOOP("LinkSession", "the USB cables cannot be listed: %1"), text);
        return std::nullopt;
    }
    std::optional<CableModel> found;
    for (int i = 0; i < count; ++i)
        if (devices[i] == PID_TIGLUSB || devices[i] == PID_TI89TM)
            found = devices[i] == PID_TIGLUSB ? CABLE_SLV : CABLE_USB;
    ticables_free_usb_devices(devices);
    if (!found)
        why = said(kNoUsbCable);
    return found;
}

void reportProgress(CalcUpdate *update)
{
    static int shown = -1;
    const int done = std::min(update->cnt1, update->max1);
    if (update->max1 > 0 && done != shown) {
        shown = done;
        LinkOutput::progress(done, update->max1);
    }
}

void noUpdate() {}

CalcUpdate &progressUpdate()
{
    static CalcUpdate update{};
    update.start = noUpdate;
    update.stop = noUpdate;
    update.refresh = noUpdate;
    update.label = noUpdate;
    update.pbar = [] { reportProgress(&update); };
    return update;
}

std::string utf8Name(CalcModel model, const char *name, uint8_t type)
{
    return ownedText(ticonv_varname_to_utf8(model, name, type));
}

} // namespace

std::string linkErrorText(int error)
{
    char *message = nullptr;
    if (ticalcs_error_get(error, &message) != 0 || !message) {
        g_free(message);
        message = nullptr;
        if (ticables_error_get(error, &message) != 0 || !message) {
            g_free(message);
            message = nullptr;
            if (tifiles_error_get(error, &message) != 0 || !message)
                return said(QT_TRANSLATE_NOOP("LinkSession", "error %1 of the link library"), std::to_string(error));
        }
    }
    std::string text = ownedText(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '.'))
        text.pop_back();
    for (char &c : text)
        if (c == '\n' || c == '\t' || c == '\r')
            c = ' ';
    return said(QT_TRANSLATE_NOOP("LinkSession", "%1 (error %2)"), text, std::to_string(error));
}

std::string transferFailure(const std::string &what, int error)
{
    const std::string text = said(QT_TRANSLATE_NOOP("LinkSession", "%1: %2"), what, linkErrorText(error));
    // A calculator showing an error box takes no packet until the box is dismissed.
    if (error == kReadTimeout)
        return said(QT_TRANSLATE_NOOP("LinkSession", "%1; if the calculator shows an error, press ESC on it and try again"),
                    text);
    return text;
}

LinkSession::~LinkSession()
{
    if (m_lock >= 0)
        ::close(m_lock);
    if (m_calc) {
        ticalcs_cable_detach(m_calc);
        ticalcs_handle_del(m_calc);
    }
    if (m_cable)
        ticables_handle_del(m_cable);
}

std::string LinkSession::open(const LinkRequest &request)
{
    ticables_library_init();
    tifiles_library_init();
    ticalcs_library_init();
    std::string why;
    std::optional<CableModel> cable;
    if (request.cable == "auto")
        cable = usbCable(why);
    else if (const auto known = kCables.find(request.cable); known != kCables.end())
        cable = known->second;
    else
        why = said(QT_TRANSLATE_NOOP("LinkSession", "there is no cable called \"%1\""), request.cable);
    if (!cable)
        return why;
    const CablePort port = request.cable == "auto" ? PORT_1 : CablePort(request.port);
    // The null cable has nothing to share: the tests that use it may run side by side.
    if (*cable != CABLE_NUL && !lockCable(*cable, port))
        return said(QT_TRANSLATE_NOOP("LinkSession", "the cable is busy: another transfer is using it (wait until it "
                                                     "ends, then try again)"));
    return attach(*cable, port, request);
}

namespace {

// The words for a cable that cannot be opened; a USB cable the user may not use says how
// to be allowed.
std::string openingFailure(int error, CableModel cable)
{
    const std::string reason = linkErrorText(error);
    const std::string text = said(QT_TRANSLATE_NOOP("LinkSession", "the cable cannot be opened: %1"), reason);
    if ((cable == CABLE_SLV || cable == CABLE_USB)
        && (reason.find("errno = 13") != std::string::npos || reason.find("ermission denied") != std::string::npos))
        return said(QT_TRANSLATE_NOOP("LinkSession", "%1; the cable is there but this user may not use it: the udev "
                                                     "rules of the libticables2 package allow the members of the plugdev "
                                                     "group (sudo adduser $USER plugdev, then log in again)"),
                    text);
    return text;
}

// Whether an emulator holds the virtual link: its shared memory segment (the key the cable
// library takes) with a process attached. Without one the cable answers nonsense, not silence.
bool emulatorListens()
{
    const int id = ::shmget(::ftok("/tmp", 0x1234), 0, 0);
    shmid_ds status{};
    return id >= 0 && ::shmctl(id, IPC_STAT, &status) == 0 && status.shm_nattch > 0;
}

} // namespace

// One transfer at a time on a cable: two at once would mix their packets. The lock is the
// helper's own (it ends with the process); another program using the cable is not seen here.
bool LinkSession::lockCable(int cable, int port)
{
    const std::string path = "/tmp/dotlark-link-" + std::to_string(cable) + "-" + std::to_string(port) + ".lock";
    m_lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (m_lock < 0)
        m_lock = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    // Without a lock file (an unwritable /tmp) the transfer goes ahead unguarded.
    return m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) == 0;
}

std::string LinkSession::attach(int cableModel, int port, const LinkRequest &request)
{
    const auto cable = CableModel(cableModel);
    if (cable == CABLE_TIE && !emulatorListens())
        return said(QT_TRANSLATE_NOOP("LinkSession", "no emulator is running with its link on (start TiEmu with the "
                                                     "TiEmu cable set up)"));
    m_cable = ticables_handle_new(cable, CablePort(port));
    if (!m_cable)
        return said(QT_TRANSLATE_NOOP("LinkSession", "the cable cannot be used on port %1"), std::to_string(port));
    ticables_options_set_timeout(m_cable, unsigned(request.timeoutSeconds * 10));
    CalcModel model = CALC_NONE;
    if (const auto known = kCalcs.find(request.calc); known != kCalcs.end()) {
        model = known->second;
    } else if (request.calc != "auto") {
        return said(QT_TRANSLATE_NOOP("LinkSession", "there is no calculator called \"%1\""), request.calc);
    } else if (const int error = ticalcs_probe(cable, CablePort(port), &model, 0); error != 0 || model == CALC_NONE) {
        return said(QT_TRANSLATE_NOOP("LinkSession", "no calculator answers on the cable: %1"), linkErrorText(error));
    }
    m_model = model;
    m_calc = ticalcs_handle_new(model);
    if (!m_calc)
        return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator cannot be handled"));
    ticalcs_update_set(m_calc, &progressUpdate());
    if (const int error = ticalcs_cable_attach(m_calc, m_cable); error != 0)
        return openingFailure(error, cable);
    // What the emulator sent after the last run's end would be taken for its first answer.
    if (cable == CABLE_TIE)
        ticables_cable_reset(m_cable);
    // The calculator needs a moment after the cable is opened before it takes a packet
    // (without it a TI-92 Plus times out on every transfer).
    std::this_thread::sleep_for(std::chrono::seconds(2));
    if (const int error = ticalcs_calc_isready(m_calc); error != 0)
        return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator does not answer (is it on, at its home screen with "
                                                     "no error shown (press ESC), and the cable plugged in?): %1"),
                    linkErrorText(error));
    return {};
}

int LinkSession::run(const LinkRequest &request)
{
    const auto &a = request.arguments;
    switch (request.operation) {
    case LinkRequest::Operation::Send:
        return send(a[0]);
    case LinkRequest::Operation::List:
        return list();
    case LinkRequest::Operation::Receive:
        return receive(a[0], a[1], a[2]);
    case LinkRequest::Operation::Screen:
        return screen(a[0] == "full");
    }
    return LinkOutput::failure("unknown operation");
}

int LinkSession::send(const std::string &file)
{
    if (const int error = ticalcs_calc_send_var2(m_calc, MODE_NORMAL, file.c_str()); error != 0)
        return LinkOutput::failure(
            transferFailure(said(QT_TRANSLATE_NOOP("LinkSession", "the picture was not sent")), error));
    return LinkOutput::done();
}

int LinkSession::list()
{
    GNode *vars = nullptr;
    GNode *apps = nullptr;
    if (const int error = ticalcs_calc_get_dirlist(m_calc, &vars, &apps); error != 0)
        return LinkOutput::failure(
            transferFailure(said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's variables cannot be listed")), error));
    const auto model = CalcModel(m_model);
    for (GNode *folder = vars ? g_node_first_child(vars) : nullptr; folder; folder = g_node_next_sibling(folder)) {
        for (GNode *node = g_node_first_child(folder); node; node = g_node_next_sibling(node)) {
            const auto *entry = static_cast<const VarEntry *>(node->data);
            LinkOutput::variable(utf8Name(model, entry->folder, 0x1F), utf8Name(model, entry->name, entry->type), entry->type, entry->size, entry->attr);
        }
    }
    ticalcs_dirlist_destroy(&vars);
    ticalcs_dirlist_destroy(&apps);
    return LinkOutput::done();
}

int LinkSession::receive(const std::string &folder, const std::string &name, const std::string &out)
{
    VarRequest request{};
    // Picture names are plain ASCII (the name rules), the same in the calculator's characters.
    folder.copy(request.folder, sizeof request.folder - 1);
    name.copy(request.name, sizeof request.name - 1);
    request.type = kPictureType;
    if (const int error = ticalcs_calc_recv_var2(m_calc, MODE_NORMAL, out.c_str(), &request); error != 0)
        return LinkOutput::failure(transferFailure(
            said(QT_TRANSLATE_NOOP("LinkSession", "the variable %1 was not received"), folder + '\\' + name), error));
    return LinkOutput::done();
}

int LinkSession::screen(bool full)
{
    CalcScreenCoord coord{};
    coord.format = full ? SCREEN_FULL : SCREEN_CLIPPED;
    uint8_t *bitmap = nullptr;
    if (const int error = ticalcs_calc_recv_screen(m_calc, &coord, &bitmap); error != 0)
        return LinkOutput::failure(
            transferFailure(said(QT_TRANSLATE_NOOP("LinkSession", "the screen was not received")), error));
    const unsigned width = full ? coord.width : coord.clipped_width;
    const unsigned height = full ? coord.height : coord.clipped_height;
    LinkOutput::screen(width, height, bitmap);
    ticalcs_free_screen(bitmap);
    return LinkOutput::done();
}
