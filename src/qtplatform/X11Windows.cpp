#include "qtplatform/X11Windows.h"

#include <QFile>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

int trappedErrors = 0;

int countError(Display *, XErrorEvent *)
{
    ++trappedErrors;
    return 0;
}

// Catches the X errors of the requests made while it lives (a window may vanish between
// two requests), instead of Xlib's default handler, which ends the program.
class ErrorTrap
{
public:
    explicit ErrorTrap(Display *display) : m_display(display)
    {
        XSync(m_display, False);
        trappedErrors = 0;
        m_previous = XSetErrorHandler(countError);
    }
    ~ErrorTrap()
    {
        XSync(m_display, False);
        XSetErrorHandler(m_previous);
    }
    ErrorTrap(const ErrorTrap &) = delete;
    ErrorTrap &operator=(const ErrorTrap &) = delete;

    bool failed()
    {
        XSync(m_display, False);
        return trappedErrors > 0;
    }
    void reset()
    {
        XSync(m_display, False);
        trappedErrors = 0;
    }

private:
    Display *m_display = nullptr;
    XErrorHandler m_previous = nullptr;
};

// The parent of a process, from /proc; 0 when unknown.
qint64 parentProcess(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // "pid (name) state ppid ...": the name may hold blanks and brackets, so read after the last ')'.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 1).simplified().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : 0;
}

bool descendsFrom(qint64 pid, qint64 ancestor)
{
    // A few generations cover a launcher script or a compatibility layer's loader.
    for (int generation = 0; generation < 8 && pid > 1; ++generation) {
        if (pid == ancestor)
            return true;
        pid = parentProcess(pid);
    }
    return false;
}

} // namespace

X11Windows::X11Windows() : m_display(XOpenDisplay(nullptr)) {}

X11Windows::~X11Windows()
{
    if (m_display)
        XCloseDisplay(m_display);
}

unsigned long X11Windows::atom(const char *name) { return XInternAtom(m_display, name, False); }

QList<unsigned long> X11Windows::cardinals(Id window, const char *property, unsigned long type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    QList<unsigned long> values;
    if (XGetWindowProperty(m_display, window, atom(property), 0, 4096, False, type, &actualType, &format,
                           &count, &remaining, &data) == Success && data) {
        // Xlib hands 32-bit items over as longs.
        if (actualType == type && format == 32) {
            const auto *items = reinterpret_cast<const unsigned long *>(data);
            values = QList<unsigned long>(items, items + count);
        }
        XFree(data);
    }
    return values;
}

QString X11Windows::title(Id window)
{
    const Atom utf8 = atom("UTF8_STRING");
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    QString text;
    if (XGetWindowProperty(m_display, window, atom("_NET_WM_NAME"), 0, 1024, False, utf8, &actualType,
                           &format, &count, &remaining, &data) == Success && data) {
        if (actualType == utf8 && format == 8)
            text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(count));
        XFree(data);
    }
    if (!text.isEmpty())
        return text;
    XTextProperty name{};
    if (XGetWMName(m_display, window, &name) && name.value) {
        char **list = nullptr;
        int items = 0;
        if (Xutf8TextPropertyToTextList(m_display, &name, &list, &items) >= Success && list) {
            if (items > 0)
                text = QString::fromUtf8(list[0]);
            XFreeStringList(list);
        }
        XFree(name.value);
    }
    return text;
}

qint64 X11Windows::processOf(Id window)
{
    const QList<unsigned long> pid = cardinals(window, "_NET_WM_PID", XA_CARDINAL);
    return pid.isEmpty() ? 0 : static_cast<qint64>(pid.first());
}

bool X11Windows::managerAnswers()
{
    // A live manager keeps a check window that names itself in the same property.
    const Window root = DefaultRootWindow(m_display);
    const QList<unsigned long> check = cardinals(root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (check.isEmpty() || cardinals(check.first(), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) != check)
        return false;
    return cardinals(root, "_NET_SUPPORTED", XA_ATOM).contains(atom("_NET_ACTIVE_WINDOW"));
}

void X11Windows::walk(Id parent, int depth, QList<Id> &found)
{
    Window root = None, parentOut = None;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(m_display, parent, &root, &parentOut, &children, &count))
        return;
    const Atom wmState = atom("WM_STATE");
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(m_display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        // Without a manager the programs' windows are the root's children; under a manager
        // that keeps no client list they sit inside frames and carry WM_STATE.
        Atom type = None;
        int format = 0;
        unsigned long items = 0, remaining = 0;
        unsigned char *data = nullptr;
        XGetWindowProperty(m_display, children[i], wmState, 0, 0, False, AnyPropertyType, &type, &format,
                           &items, &remaining, &data);
        if (data)
            XFree(data);
        if (depth == 1 || type != None)
            found << children[i];
        else if (depth < 3)
            walk(children[i], depth + 1, found);
    }
    if (children)
        XFree(children);
}

QList<X11Windows::Id> X11Windows::topLevels()
{
    const Window root = DefaultRootWindow(m_display);
    QList<Id> windows = cardinals(root, "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    if (windows.isEmpty())
        windows = cardinals(root, "_NET_CLIENT_LIST", XA_WINDOW);
    if (windows.isEmpty())
        walk(root, 1, windows);
    return windows;
}

std::optional<X11Windows::Id> X11Windows::findByTitle(const QString &wanted)
{
    const QList<Id> windows = allByTitle(wanted);
    return windows.isEmpty() ? std::nullopt : std::optional<Id>(windows.first());
}

QList<X11Windows::Id> X11Windows::allByTitle(const QString &wanted)
{
    if (!m_display || wanted.isEmpty())
        return {};
    ErrorTrap trap(m_display);
    QList<Id> whole, beginning;
    const QList<Id> windows = topLevels();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        const QString text = title(*it);
        if (text == wanted)
            whole << *it;
        else if (text.startsWith(wanted))
            beginning << *it;
    }
    return whole + beginning;
}

std::optional<X11Windows::Id> X11Windows::findByProcess(qint64 pid)
{
    if (!m_display || pid <= 0)
        return std::nullopt;
    ErrorTrap trap(m_display);
    const QList<Id> windows = topLevels();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        const qint64 owner = processOf(*it);
        if (owner > 0 && descendsFrom(owner, pid))
            return *it;
    }
    return std::nullopt;
}

bool X11Windows::activate(Id window)
{
    if (!m_display)
        return false;
    ErrorTrap trap(m_display);
    const bool manager = managerAnswers();
    trap.reset(); // a stale check window is no failure of the activation
    if (manager) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2; // source: a pager, i.e. on the user's direct request
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(m_display, DefaultRootWindow(m_display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    } else {
        XRaiseWindow(m_display, window);
        XSetInputFocus(m_display, window, RevertToParent, CurrentTime);
    }
    return !trap.failed();
}
