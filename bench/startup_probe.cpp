// Starts a program on the X server of $DISPLAY and measures, from the outside, how long it takes
// from exec to its first top-level window being mapped, and the program's peak resident memory.
// No window manager is needed: the probe watches the root window for MapNotify of a window that
// carries the child's process id. Once mapped, the program is given time to settle (paint, load
// what it loads late) and is then ended; its peak memory comes from wait4's resource usage.
//
// Usage: bench_startup_probe [--settle MS] PROGRAM [ARGS...]
// Prints: startup_ms=<float> maxrss_kb=<int>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

double NowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// The _NET_WM_PID a toolkit puts on its windows; 0 when there is none.
long WindowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (type == XA_CARDINAL && format == 32 && count == 1) {
            pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
        }
        XFree(data);
    }
    return pid;
}

// Waits for the next X event up to the deadline; false when the deadline passed first.
bool NextEvent(Display* display, XEvent& event, double deadlineMs) {
    while (XPending(display) == 0) {
        const double left = deadlineMs - NowMs();
        if (left <= 0) {
            return false;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, static_cast<int>(left) + 1);
    }
    XNextEvent(display, &event);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int settleMs = 500;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: bench_startup_probe [--settle MS] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "bench_startup_probe: cannot open the X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("exec");
        _exit(127);
    }

    double mappedAt = -1;
    XEvent event;
    while (mappedAt < 0 && NextEvent(display, event, start + 30000)) {
        if (event.type == MapNotify && !event.xmap.override_redirect &&
            WindowPid(display, event.xmap.window) == child) {
            mappedAt = NowMs();
        }
    }
    if (mappedAt < 0) {
        std::fprintf(stderr, "bench_startup_probe: no window of %s was mapped in 30 s\n",
                     argv[first]);
    } else {
        usleep(static_cast<useconds_t>(settleMs) * 1000);
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);
    if (mappedAt < 0) {
        return 1;
    }
    std::printf("startup_ms=%.2f maxrss_kb=%ld\n", mappedAt - start, usage.ru_maxrss);
    return 0;
}
