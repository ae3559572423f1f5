// Stands in for the calculator's link program in tests: shows one window titled
// "TI-GRAPH LINK (89)" and idles until killed, its X server goes away, or a minute passes.
// Each start appends its process id to "standin.pids" beside the executable, so a test
// can end every copy it caused to run.
//
// Options, for playing slower or plainer programs (given by a script started in its place):
//   --delay MILLISECONDS  wait that long before the window shows
//   --no-pid              leave out _NET_WM_PID and _NET_WM_NAME, as a plain X toolkit
//                         client or a Windows program under wine may

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <sys/select.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>

namespace {

void notePid()
{
    char self[PATH_MAX] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0)
        return;
    std::string folder(self);
    folder.erase(folder.rfind('/') + 1);
    std::ofstream(folder + "standin.pids", std::ios::app) << getpid() << '\n';
}

struct Options
{
    int delayMilliseconds = 0;
    bool markPid = true;
};

Options readOptions(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-pid") == 0)
            options.markPid = false;
        else if (std::strcmp(argv[i], "--delay") == 0 && i + 1 < argc)
            options.delayMilliseconds = std::atoi(argv[++i]);
    }
    return options;
}

Window showWindow(Display *display, const Options &options)
{
    const char title[] = "TI-GRAPH LINK (89)";
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 100, 100, 320, 200, 1,
                                              BlackPixel(display, 0), WhitePixel(display, 0));
    XStoreName(display, window, title);
    if (options.markPid) {
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                        XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char *>(title), static_cast<int>(std::strlen(title)));
        const long pid = getpid();
        XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char *>(&pid), 1);
    }
    XSelectInput(display, window, ExposureMask | FocusChangeMask);
    XMapWindow(display, window);
    XFlush(display);
    return window;
}

} // namespace

int main(int argc, char **argv)
{
    notePid();
    const Options options = readOptions(argc, argv);
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    if (options.delayMilliseconds > 0)
        usleep(static_cast<useconds_t>(options.delayMilliseconds) * 1000);
    showWindow(display, options);
    const std::time_t end = std::time(nullptr) + 60;
    const int connection = ConnectionNumber(display);
    while (std::time(nullptr) < end) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval wait{1, 0};
        select(connection + 1, &readable, nullptr, nullptr, &wait);
    }
    XCloseDisplay(display);
    return 0;
}
