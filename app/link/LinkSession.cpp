#include "LinkSession.h"

#include "LinkOutput.h"
#include "qtplatform/LinkProtocol.h"

#define restrict __restrict
#include <tilp2/ticables.h>
#include <tilp2/ticalcs.h>
#include <tilp2/tifiles.h>
// The 68k protocol's own packets, after the declarations they take.
#include <tilp2/cmd68k.h>
#include <tilp2/dbus_pkt.h>
#undef restrict

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <set>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
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
// libticalcs2's "calculator is not ready".
constexpr int kNotReady = 257;

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

// The transfer's counters as last told, so that its end can be told whole.
int g_shownDone = -1;
int g_shownTotal = 0;
volatile std::sig_atomic_t g_cancelled = 0;

// A line at most every half second while the library works, so that the caller can tell a
// slow calculator from a helper that hangs.
void aliveNow()
{
    using Clock = std::chrono::steady_clock;
    static Clock::time_point last{};
    const Clock::time_point now = Clock::now();
    if (now - last >= std::chrono::milliseconds(500)) {
        last = now;
        LinkOutput::alive();
    }
}

// Set while a variable's data packet goes to the calculator: the one step a cancel may cut,
// since the calculator can be brought back from it (LinkSession::cancelled).
bool g_sendingData = false;

// A cancel between the steps of a session: the calculator is at its home screen, nothing
// was left half done; `what` is what was not done.
std::optional<std::string> cancelledBetween(const std::string &what)
{
    if (!g_cancelled)
        return std::nullopt;
    return said(QT_TRANSLATE_NOOP("LinkSession", "%1: the transfer was cancelled"), what);
}

void reportProgress(CalcUpdate *update)
{
    const int done = std::min(update->cnt1, update->max1);
    if (g_cancelled && g_sendingData && done > 0 && done < update->max1)
        update->cancel = 1;
    if (update->max1 > 0 && (done != g_shownDone || update->max1 != g_shownTotal)) {
        g_shownDone = done;
        g_shownTotal = update->max1;
        LinkOutput::progress(done, update->max1);
    } else {
        aliveNow();
    }
}

// A transfer that ended well has moved every byte, whatever the library's counter last said.
void progressComplete()
{
    if (g_shownTotal > 0 && g_shownDone != g_shownTotal)
        LinkOutput::progress(g_shownTotal, g_shownTotal);
    g_shownDone = -1;
    g_shownTotal = 0;
}

void noUpdate() {}

CalcUpdate &progressUpdate()
{
    static CalcUpdate update{};
    update.start = noUpdate;
    update.stop = noUpdate;
    update.refresh = aliveNow;
    update.label = aliveNow;
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


LinkSession::~LinkSession()
{
    if (m_calc) {
        ticalcs_cable_detach(m_calc);
        ticalcs_handle_del(m_calc);
    }
    if (m_cable)
        ticables_handle_del(m_cable);
    // Removed while still held: a transfer that opened it meanwhile sees it gone and takes a
    // new one (lockCable).
    if (m_lock >= 0) {
        ::unlink(m_lockPath.c_str());
        ::close(m_lock);
    }
}

void LinkSession::cancel() { g_cancelled = 1; }

namespace {

// The folder for the lock files: the user's runtime folder, else a folder of the user's own
// in the temporary folder, made private; empty when neither is safe to use.
std::string lockFolder()
{
    const auto privateFolder = [](const std::string &path) {
        struct stat status{};
        return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::getuid()
               && (status.st_mode & 077) == 0;
    };
    if (const char *runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime == '/' && privateFolder(runtime))
        return runtime;
    const char *temporary = std::getenv("TMPDIR");
    const std::string folder = std::string(temporary && *temporary == '/' ? temporary : "/tmp") + "/dotlark-"
                               + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    return privateFolder(folder) ? folder : std::string();
}

} // namespace

// One transfer at a time on a cable: two at once would mix their packets. The lock is the
// helper's own (it ends with the process), in a folder only this user can write; another
// program using the cable is not seen here.
bool LinkSession::lockCable(int cable, int port)
{
    const std::string folder = lockFolder();
    // Without a folder for the lock the transfer goes ahead unguarded.
    if (folder.empty())
        return true;
    const std::string path = folder + "/dotlark-link-" + std::to_string(cable) + "-" + std::to_string(port) + ".lock";
    for (int attempt = 0; attempt < 8; ++attempt) {
        const int lock = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (lock < 0)
            return true;
        if (::flock(lock, LOCK_EX | LOCK_NB) != 0) {
            ::close(lock);
            return false;
        }
        // The file locked must still be the one of that name: the transfer before may have
        // removed it as it ended.
        struct stat held{}, named{};
        if (::fstat(lock, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev
            && held.st_ino == named.st_ino) {
            m_lock = lock;
            m_lockPath = path;
            return true;
        }
        ::close(lock);
    }
    return false;
}

namespace {

const char *calcName(CalcModel model)
{
    for (const auto &[name, known] : kCalcs)
        if (known == model)
            return name.c_str();
    return "auto";
}

// The calculator a 68k machine ID names, as it answers the computer.
std::optional<CalcModel> modelOfMachine(uint8_t machine)
{
    switch (machine) {
    case DBUS_MID_TI89_PC: return CALC_TI89; // also the TI-89 Titanium
    case DBUS_MID_TI92p_PC: return CALC_TI92P; // also the Voyage 200, on the same protocol
    case DBUS_MID_TI92_PC: return CALC_TI92;
    default: return std::nullopt;
    }
}

// The protocol a calculator is talked to in: a Voyage 200's own list answers wrong on some
// systems (one nameless variable of 0 bytes, on PedroM), where the TI-92 Plus's, the same
// calculator family on the same cable, answers right; its sends, receives and screens are
// the TI-92 Plus's byte for byte.
CalcModel protocolOf(CalcModel model) { return model == CALC_V200 ? CALC_TI92P : model; }

// The calculator waits this long after the cable is opened before it takes a packet
// (without it a TI-92 Plus times out on every transfer).
void settle()
{
    LinkOutput::alive();
    std::this_thread::sleep_for(std::chrono::seconds(2));
    LinkOutput::alive();
}

} // namespace

// A handle for `model` on the cable, opened, after the calculator's settle time.
std::string LinkSession::useModel(int model)
{
    if (m_calc) {
        if (m_model == model)
            return {};
        ticalcs_cable_detach(m_calc);
        ticalcs_handle_del(m_calc);
    }
    m_model = model;
    m_calc = ticalcs_handle_new(CalcModel(model));
    if (!m_calc)
        return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator cannot be handled"));
    ticalcs_update_set(m_calc, &progressUpdate());
    if (const int error = ticalcs_cable_attach(m_calc, m_cable); error != 0)
        return openingFailure(error, ticables_get_model(m_cable));
    // What the emulator sent after the last run's end would be taken for its first answer.
    if (ticables_get_model(m_cable) == CABLE_TIE)
        ticables_cable_reset(m_cable);
    settle();
    return {};
}

// Which calculator answers: the packet that asks whether it is ready, the one every 68k
// calculator takes at its home screen (a fuller probe sends packets some systems do not know,
// and they show an error until ESC is pressed); the machine ID of its answer names the kind.
std::optional<int> LinkSession::modelAsked()
{
    if (ti68k_send_RDY(m_calc, DBUS_MID_PC_TI89) != 0)
        return std::nullopt;
    // The answer is a header alone: its length field holds the calculator's status, no data.
    uint8_t machine = 0, command = 0;
    uint16_t status = 0;
    if (dbus_recv_header(m_calc, &machine, &command, &status) != 0 || command != DBUS_CMD_ACK)
        return std::nullopt;
    if (const std::optional<CalcModel> model = modelOfMachine(machine))
        return int(*model);
    return std::nullopt;
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
    const auto notReady = [](int error) {
        return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator does not answer (is it on, at its home screen with "
                                                     "no error shown (press ESC), and the cable plugged in?): %1"),
                    linkErrorText(error));
    };
    if (const auto known = kCalcs.find(request.calc); known != kCalcs.end()) {
        if (std::string problem = useModel(protocolOf(known->second)); !problem.empty())
            return problem;
        if (const int error = ticalcs_calc_isready(m_calc); error != 0)
            return notReady(error);
        LinkOutput::calc(request.calc, "given");
        return {};
    }
    if (request.calc != "auto")
        return said(QT_TRANSLATE_NOOP("LinkSession", "there is no calculator called \"%1\""), request.calc);
    // Automatic: the calculator says which it is; when it does not (busy a moment), it is
    // asked again after the settle time; then the models the caller guesses are taken.
    std::vector<CalcModel> guesses;
    for (const std::string &guess : request.guesses)
        if (const auto known = kCalcs.find(guess); known != kCalcs.end())
            guesses.push_back(known->second);
    if (std::string problem = useModel(protocolOf(guesses.empty() ? CALC_TI89 : guesses.front())); !problem.empty())
        return problem;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0)
            settle();
        if (const std::optional<int> model = modelAsked()) {
            const bool another = *model != m_model;
            if (std::string problem = useModel(*model); !problem.empty())
                return problem;
            // A handle of another calculator opens the cable anew: it is asked once more.
            if (const int error = another ? ticalcs_calc_isready(m_calc) : 0; error != 0)
                return notReady(error);
            LinkOutput::calc(calcName(CalcModel(*model)), "asked");
            return {};
        }
    }
    for (const CalcModel guess : guesses) {
        if (std::string problem = useModel(protocolOf(guess)); !problem.empty())
            return problem;
        if (ticalcs_calc_isready(m_calc) == 0) {
            LinkOutput::calc(calcName(guess), "guessed");
            return {};
        }
    }
    const int error = ticalcs_calc_isready(m_calc);
    return said(QT_TRANSLATE_NOOP("LinkSession", "no calculator answers on the cable: %1; choose the calculator in the "
                                                 "link settings if it is on and at its home screen"),
                linkErrorText(error == 0 ? kNotReady : error));
}

int LinkSession::run(const LinkRequest &request)
{
    const auto &a = request.arguments;
    switch (request.operation) {
    case LinkRequest::Operation::Send:
        return send(a, request.ask);
    case LinkRequest::Operation::List:
        return list();
    case LinkRequest::Operation::Receive:
        return receive(a[0], a[1], a[2]);
    case LinkRequest::Operation::Screen:
        return screen(a[0] == "full");
    }
    return LinkOutput::failure("unknown operation");
}

// A transfer stopped by the user ends the exchange as the protocol allows: the calculator
// is told there is nothing more (end of transmission), so that it leaves its transfer and
// takes the next one. Returns what the failure says.
std::string LinkSession::cancelled(const std::string &what, int error)
{
    if (!progressUpdate().cancel)
        return transferFailure(what, error);
    progressUpdate().cancel = 0;
    // The data packet was cut short: it is filled up (with a checksum that cannot match), the
    // calculator asks for it again, and is told to skip the variable; it answers, and is
    // back at its home screen. A calculator that does not answer is said to be waiting.
    const int left = g_shownTotal - g_shownDone;
    g_shownDone = -1;
    g_shownTotal = 0;
    std::vector<uint8_t> zeros(1024, 0);
    // In pieces, as the library sends: the emulator's link holds a few kilobytes at a time.
    const auto fill = [&] {
        for (int sent = 0; sent < left; sent += int(zeros.size()))
            if (ticables_cable_send(m_cable, zeros.data(), uint32_t(std::min(int(zeros.size()), left - sent))) != 0)
                return false;
        return true;
    };
    // The answers (checksum error, acknowledge) are headers alone.
    const auto answered = [this](uint8_t expected) {
        uint8_t machine = 0, command = 0;
        uint16_t status = 0;
        return dbus_recv_header(m_calc, &machine, &command, &status) == 0 && command == expected;
    };
    if (left > 0 && fill()) {
        if (answered(DBUS_CMD_ERR) && ti89_send_SKP(m_calc, DBUS_REJ_EXIT) == 0 && answered(DBUS_CMD_ACK)
            && ticalcs_calc_isready(m_calc) == 0)
            return said(QT_TRANSLATE_NOOP("LinkSession", "%1: the transfer was cancelled"), what);
    }
    return said(QT_TRANSLATE_NOOP("LinkSession", "%1: the transfer was cancelled, and the calculator did not say it "
                                                 "ended it (if it shows \"Link in progress\", press ESC on it)"),
                what);
}

namespace {

// The calculator's names are case-blind: PIC1 is pic1. Names in the calculator's characters
// beyond ASCII compare as they are.
bool sameName(const std::string &a, const std::string &b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Why a list the calculator gave cannot be true, or nothing: a variable without a name or a
// folder, of no bytes, or twice.
std::string impossibleEntry(const std::vector<LinkSession::Entry> &entries)
{
    std::set<std::pair<std::string, std::string>> seen;
    for (const LinkSession::Entry &entry : entries) {
        if (entry.name.empty() || entry.folder.empty())
            return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's list of variables holds one without a name"));
        if (entry.size == 0)
            return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's list of variables holds %1\\%2 of 0 bytes"),
                        entry.folder, entry.name);
        std::string folder = entry.folder, name = entry.name;
        for (std::string *text : {&folder, &name})
            std::transform(text->begin(), text->end(), text->begin(), [](unsigned char c) { return char(std::tolower(c)); });
        if (!seen.emplace(folder, name).second)
            return said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's list of variables holds %1\\%2 twice"),
                        entry.folder, entry.name);
    }
    return {};
}

} // namespace

// The calculator's variables; `unsure` says why the list cannot be trusted when it cannot.
int LinkSession::readList(std::vector<Entry> &entries, std::string &unsure)
{
    entries.clear();
    GNode *vars = nullptr;
    GNode *apps = nullptr;
    if (const int error = ticalcs_calc_get_dirlist(m_calc, &vars, &apps); error != 0)
        return error;
    const auto model = CalcModel(m_model);
    for (GNode *folder = vars ? g_node_first_child(vars) : nullptr; folder; folder = g_node_next_sibling(folder)) {
        for (GNode *node = g_node_first_child(folder); node; node = g_node_next_sibling(node)) {
            const auto *entry = static_cast<const VarEntry *>(node->data);
            entries.push_back({utf8Name(model, entry->folder, 0x1F), utf8Name(model, entry->name, entry->type),
                               entry->type, entry->size, entry->attr});
        }
    }
    ticalcs_dirlist_destroy(&vars);
    ticalcs_dirlist_destroy(&apps);
    unsure = impossibleEntry(entries);
    return 0;
}

int LinkSession::list()
{
    std::vector<Entry> entries;
    std::string unsure;
    const int error = readList(entries, unsure);
    if (error != 0)
        return LinkOutput::failure(
            transferFailure(said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's variables cannot be listed")), error));
    if (!unsure.empty())
        return LinkOutput::failure(unsure);
    if (const std::optional<std::string> stopped =
            cancelledBetween(said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's variables were not listed"))))
        return LinkOutput::failure(*stopped);
    for (const Entry &entry : entries)
        LinkOutput::variable(entry.folder, entry.name, entry.type, entry.size, entry.attribute);
    return LinkOutput::done();
}

namespace {

struct Sending
{
    FileContent *content = nullptr;
    std::vector<std::pair<std::string, std::string>> names; // folder, name of each variable
};

} // namespace

// The files in order, in one session. With `ask`, the calculator's list is read first; when
// it holds any of the variables, or the list cannot be trusted, the caller answers.
int LinkSession::send(const std::vector<std::string> &files, bool ask)
{
    std::vector<Sending> sending;
    const auto release = [&] {
        for (Sending &each : sending)
            tifiles_content_delete_regular(each.content);
    };
    for (const std::string &file : files) {
        Sending each{tifiles_content_create_regular(CalcModel(m_model)), {}};
        if (!each.content)
            return release(), LinkOutput::failure(said(QT_TRANSLATE_NOOP("LinkSession", "out of memory")));
        sending.push_back(each);
        if (const int error = tifiles_file_read_regular(file.c_str(), each.content); error != 0) {
            // A content the library failed to read is not its to delete again.
            sending.pop_back();
            release();
            return LinkOutput::failure(
                transferFailure(said(QT_TRANSLATE_NOOP("LinkSession", "the picture was not sent")), error));
        }
        for (unsigned i = 0; i < each.content->num_entries; ++i) {
            const VarEntry *entry = each.content->entries[i];
            sending.back().names.emplace_back(utf8Name(CalcModel(m_model), entry->folder, 0x1F),
                                              utf8Name(CalcModel(m_model), entry->name, entry->type));
        }
    }
    if (ask) {
        std::vector<Entry> entries;
        std::string unsure;
        const int error = readList(entries, unsure);
        if (error != 0)
            return release(), LinkOutput::failure(transferFailure(
                                  said(QT_TRANSLATE_NOOP("LinkSession", "the calculator's variables cannot be listed")), error));
        bool question = !unsure.empty();
        if (question)
            LinkOutput::line(LinkProtocol::kUnsure, {unsure});
        else
            for (const Sending &each : sending)
                for (const auto &[folder, name] : each.names)
                    if (std::any_of(entries.begin(), entries.end(), [&](const Entry &held) {
                            return sameName(held.folder, folder) && sameName(held.name, name);
                        })) {
                        LinkOutput::line(LinkProtocol::kHeld, {folder, name});
                        question = true;
                    }
        if (question) {
            LinkOutput::line(LinkProtocol::kAsk);
            std::string answer;
            if (!std::getline(std::cin, answer) || answer != "yes") {
                release();
                LinkOutput::line(LinkProtocol::kDeclined);
                return LinkOutput::done();
            }
        }
    }
    for (const Sending &each : sending) {
        const std::string shown = each.names.empty() ? std::string() : each.names.front().first + '\\' + each.names.front().second;
        // One picture is "the picture"; of several, the failure names the one that did not go.
        const std::string notSent = sending.size() == 1 ? said(QT_TRANSLATE_NOOP("LinkSession", "the picture was not sent"))
                                                        : said(QT_TRANSLATE_NOOP("LinkSession", "%1 was not sent"), shown);
        if (const std::optional<std::string> stopped = cancelledBetween(notSent))
            return release(), LinkOutput::failure(*stopped);
        g_sendingData = true;
        const int error = ticalcs_calc_send_var(m_calc, MODE_NORMAL, each.content);
        g_sendingData = false;
        if (error != 0) {
            release();
            return LinkOutput::failure(cancelled(notSent, error));
        }
        progressComplete();
        for (const auto &[folder, name] : each.names)
            LinkOutput::line(LinkProtocol::kSent, {folder, name});
    }
    release();
    return LinkOutput::done();
}

int LinkSession::receive(const std::string &folder, const std::string &name, const std::string &out)
{
    VarRequest request{};
    // Picture names are plain ASCII (the name rules), the same in the calculator's characters.
    folder.copy(request.folder, sizeof request.folder - 1);
    name.copy(request.name, sizeof request.name - 1);
    request.type = kPictureType;
    // Once asked for, the variable comes whole: a cancel meanwhile takes effect at its end.
    const std::string notReceived = said(QT_TRANSLATE_NOOP("LinkSession", "the variable %1 was not received"), folder + '\\' + name);
    if (const std::optional<std::string> stopped = cancelledBetween(notReceived))
        return LinkOutput::failure(*stopped);
    if (const int error = ticalcs_calc_recv_var2(m_calc, MODE_NORMAL, out.c_str(), &request); error != 0)
        return LinkOutput::failure(transferFailure(notReceived, error));
    if (const std::optional<std::string> stopped = cancelledBetween(notReceived))
        return LinkOutput::failure(*stopped);
    progressComplete();
    return LinkOutput::done();
}

int LinkSession::screen(bool full)
{
    CalcScreenCoord coord{};
    coord.format = full ? SCREEN_FULL : SCREEN_CLIPPED;
    uint8_t *bitmap = nullptr;
    const std::string notReceived = said(QT_TRANSLATE_NOOP("LinkSession", "the screen was not received"));
    if (const std::optional<std::string> stopped = cancelledBetween(notReceived))
        return LinkOutput::failure(*stopped);
    if (const int error = ticalcs_calc_recv_screen(m_calc, &coord, &bitmap); error != 0)
        return LinkOutput::failure(transferFailure(notReceived, error));
    if (const std::optional<std::string> stopped = cancelledBetween(notReceived)) {
        ticalcs_free_screen(bitmap);
        return LinkOutput::failure(*stopped);
    }
    progressComplete();
    const unsigned width = full ? coord.width : coord.clipped_width;
    const unsigned height = full ? coord.height : coord.clipped_height;
    LinkOutput::screen(width, height, bitmap);
    ticalcs_free_screen(bitmap);
    return LinkOutput::done();
}
