// Watches an X display from outside a program to time what its user sees: a window mapped and
// painted after the program starts or after a key. Keys are sent through the XTEST extension and
// paints are seen through the DAMAGE extension, so a figure is the time from the key (or the fork)
// to the last paint of the new window, to about a millisecond. Used by scripts/bench-ui.sh.
//
//   xwatch start N -- PROGRAM ARG...  starts PROGRAM and waits for its first N titled windows;
//                                      prints each window's title and the milliseconds from the
//                                      start to its map, its last paint and its unmap, then the pid
//   xwatch open KEY...                 sends the keys (the last one timed) and waits for a titled
//                                      window to be mapped; prints its title and the milliseconds
//                                      from the last key to its last paint
//   xwatch close KEY...                sends the keys and waits for a titled window to be unmapped
//   xwatch delete TITLE                asks the window titled TITLE to close (as a window
//                                      manager's close button does) and waits until it is unmapped
//   xwatch idle SECONDS                counts paints and title changes of every titled window
//
// A KEY is an X key name, with modifiers joined by '+': "alt+c", "Down", "Return".
// "Titled" leaves out menus and tooltips, which have no title and bypass window management.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

// A window is painted once no paint has come for this long after its last one.
constexpr double QuietMs = 250;
constexpr double TimeoutMs = 15000;
// The gap between the untimed keys of a menu path, so each menu is open before the next key.
constexpr useconds_t KeyGapUs = 120000;

double nowMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Windows come and go while they are looked at; a request about one that is gone is not an error.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

struct Watch {
    Display* display = nullptr;
    Window root = 0;
    int damageEvent = 0;
    std::map<Window, Damage> damages;

    bool open() {
        display = XOpenDisplay(nullptr);
        if (!display) return false;
        XSetErrorHandler(ignoreErrors);
        root = DefaultRootWindow(display);
        int damageError = 0;
        if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
            std::fprintf(stderr, "xwatch: the display has no DAMAGE extension\n");
            return false;
        }
        int event = 0, error = 0, major = 0, minor = 0;
        if (!XTestQueryExtension(display, &event, &error, &major, &minor)) {
            std::fprintf(stderr, "xwatch: the display has no XTEST extension\n");
            return false;
        }
        XSelectInput(display, root, SubstructureNotifyMask);
        Window parent = 0, rootReturn = 0;
        Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(display, root, &rootReturn, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) follow(children[i]);
        if (children) XFree(children);
        // A new damage object reports its whole window once: that is no paint of the program's.
        XSync(display, False);
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        return true;
    }

    // Paints and title changes of `window` are reported from now on.
    void follow(Window window) {
        if (damages.count(window)) return;
        XSelectInput(display, window, PropertyChangeMask);
        damages[window] = XDamageCreate(display, window, XDamageReportRawRectangles);
    }

    std::string title(Window window) {
        XTextProperty property{};
        std::string text;
        if (XGetWMName(display, window, &property) && property.value) {
            text.assign(reinterpret_cast<const char*>(property.value), property.nitems);
            XFree(property.value);
        }
        return text;
    }

    bool titled(Window window) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, window, &attributes)) return false;
        return !attributes.override_redirect && !title(window).empty();
    }

    // The next event, or nothing once `deadline` (a nowMs() time) has passed.
    std::optional<XEvent> next(double deadline) {
        while (!XPending(display)) {
            const double left = deadline - nowMs();
            if (left <= 0) return std::nullopt;
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left) + 1);
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root)
            follow(event.xcreatewindow.window);
        return event;
    }

    bool isPaint(const XEvent& event, Window window) {
        return event.type == damageEvent + XDamageNotify &&
               reinterpret_cast<const XDamageNotifyEvent&>(event).drawable == window;
    }

    // The time of the last paint of `window` before a quiet gap (or the start time when none).
    double lastPaint(Window window, double since) {
        double last = since;
        const double deadline = nowMs() + TimeoutMs;
        for (;;) {
            const auto event = next(std::min(deadline, nowMs() + QuietMs));
            if (!event) return last;
            if (isPaint(*event, window)) last = nowMs();
        }
    }

    bool sendKey(const std::string& chord) {
        std::vector<KeyCode> codes;
        std::size_t start = 0;
        for (;;) {
            const std::size_t plus = chord.find('+', start);
            std::string name = chord.substr(start, plus == std::string::npos ? plus : plus - start);
            if (name == "alt")
                name = "Alt_L";
            else if (name == "ctrl")
                name = "Control_L";
            else if (name == "shift")
                name = "Shift_L";
            const KeySym symbol = XStringToKeysym(name.c_str());
            const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
            if (!code) {
                std::fprintf(stderr, "xwatch: no key \"%s\"\n", name.c_str());
                return false;
            }
            codes.push_back(code);
            if (plus == std::string::npos) break;
            start = plus + 1;
        }
        for (KeyCode code : codes) XTestFakeKeyEvent(display, code, True, CurrentTime);
        for (auto it = codes.rbegin(); it != codes.rend(); ++it)
            XTestFakeKeyEvent(display, *it, False, CurrentTime);
        XFlush(display);
        return true;
    }

    // Sends the keys, the last one timed; returns its time.
    std::optional<double> sendKeys(int count, char** keys) {
        for (int i = 0; i < count - 1; ++i) {
            if (!sendKey(keys[i])) return std::nullopt;
            XSync(display, False);
            usleep(KeyGapUs);
        }
        // Events of the menus opened so far are not this command's.
        while (XPending(display)) next(nowMs());
        const double sent = nowMs();
        if (!sendKey(keys[count - 1])) return std::nullopt;
        return sent;
    }

    // The next titled window mapped before `deadline`.
    std::optional<Window> nextMapped(double deadline) {
        while (const auto event = next(deadline)) {
            if (event->type == MapNotify && event->xmap.event == root && titled(event->xmap.window))
                return event->xmap.window;
        }
        return std::nullopt;
    }
};

int start(int count, char** command) {
    Watch watch;
    if (!watch.open()) return 2;
    const double started = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        std::perror("xwatch: exec");
        _exit(127);
    }
    std::vector<Window> windows;
    std::map<Window, double> mapped, painted, unmapped;
    std::map<Window, std::string> titles;
    const double deadline = started + TimeoutMs;
    while (static_cast<int>(windows.size()) < count) {
        const auto event = watch.next(deadline);
        if (!event) {
            std::fprintf(stderr, "xwatch: only %zu of %d windows were shown\n", windows.size(),
                         count);
            // Its pid is never printed, so the caller could not end it.
            kill(pid, SIGTERM);
            waitpid(pid, nullptr, 0);
            return 1;
        }
        if (event->type == MapNotify && event->xmap.event == watch.root &&
            watch.titled(event->xmap.window)) {
            windows.push_back(event->xmap.window);
            mapped[event->xmap.window] = nowMs();
            titles[event->xmap.window] = watch.title(event->xmap.window);
        } else if (event->type == UnmapNotify && mapped.count(event->xunmap.window)) {
            unmapped[event->xunmap.window] = nowMs();
        } else if (event->type == watch.damageEvent + XDamageNotify) {
            const Window window = reinterpret_cast<const XDamageNotifyEvent&>(*event).drawable;
            if (mapped.count(window)) painted[window] = nowMs();
        }
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "xwatch: the program ended\n");
            return 1;
        }
    }
    // An earlier window's paint is its last one before the next window was mapped; the last
    // window's is its last one before a quiet gap.
    const Window last = windows.back();
    painted[last] = watch.lastPaint(last, mapped[last]);
    for (Window window : windows) {
        const auto at = [&](const std::map<Window, double>& times) {
            return times.count(window) ? times.at(window) - started : -1.0;
        };
        std::printf("%s\t%.1f\t%.1f\t%.1f\n", titles[window].c_str(), at(mapped), at(painted),
                    at(unmapped));
    }
    std::printf("pid\t%d\n", static_cast<int>(pid));
    return 0;
}

int open(int count, char** keys) {
    Watch watch;
    if (!watch.open()) return 2;
    const auto sent = watch.sendKeys(count, keys);
    if (!sent) return 2;
    const auto window = watch.nextMapped(*sent + TimeoutMs);
    if (!window) {
        std::fprintf(stderr, "xwatch: no window was shown\n");
        return 1;
    }
    const double painted = watch.lastPaint(*window, nowMs());
    std::printf("%s\t%.1f\n", watch.title(*window).c_str(), painted - *sent);
    return 0;
}

int close(int count, char** keys) {
    Watch watch;
    if (!watch.open()) return 2;
    const auto sent = watch.sendKeys(count, keys);
    if (!sent) return 2;
    const double deadline = *sent + TimeoutMs;
    while (const auto event = watch.next(deadline)) {
        if (event->type == UnmapNotify && event->xunmap.event == watch.root) return 0;
    }
    std::fprintf(stderr, "xwatch: no window was closed\n");
    return 1;
}

// Asks the shown window titled `title` to close, as a window manager's close button does.
int closeWindow(const std::string& title) {
    Watch watch;
    if (!watch.open()) return 2;
    Window found = 0;
    for (const auto& [window, damage] : watch.damages) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(watch.display, window, &attributes) &&
            attributes.map_state == IsViewable && watch.title(window) == title)
            found = window;
    }
    if (!found) {
        std::fprintf(stderr, "xwatch: no window \"%s\" is shown\n", title.c_str());
        return 1;
    }
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = found;
    message.xclient.message_type = XInternAtom(watch.display, "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] =
        static_cast<long>(XInternAtom(watch.display, "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(watch.display, found, False, NoEventMask, &message);
    XFlush(watch.display);
    const double deadline = nowMs() + TimeoutMs;
    while (const auto event = watch.next(deadline)) {
        if (event->type == UnmapNotify && event->xunmap.window == found) return 0;
    }
    std::fprintf(stderr, "xwatch: \"%s\" was not closed\n", title.c_str());
    return 1;
}

int idle(double seconds) {
    Watch watch;
    if (!watch.open()) return 2;
    const Atom name = XInternAtom(watch.display, "WM_NAME", False);
    const Atom netName = XInternAtom(watch.display, "_NET_WM_NAME", False);
    std::map<Window, long> paints;
    long titles = 0;
    const double deadline = nowMs() + seconds * 1000;
    while (const auto event = watch.next(deadline)) {
        if (event->type == watch.damageEvent + XDamageNotify)
            ++paints[reinterpret_cast<const XDamageNotifyEvent&>(*event).drawable];
        if (event->type == PropertyNotify &&
            (event->xproperty.atom == name || event->xproperty.atom == netName))
            ++titles;
    }
    long total = 0;
    for (const auto& [window, count] : paints) total += count;
    std::printf("paints\t%ld\ntitle changes\t%ld\n", total, titles);
    for (const auto& [window, count] : paints) {
        const std::string title = watch.title(window);
        std::printf("paints of \"%s\" (0x%lx)\t%ld\n", title.c_str(), window, count);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "start" && argc > 4 && std::strcmp(argv[3], "--") == 0)
        return start(std::atoi(argv[2]), argv + 4);
    if (command == "open" && argc > 2) return open(argc - 2, argv + 2);
    if (command == "close" && argc > 2) return close(argc - 2, argv + 2);
    if (command == "delete" && argc == 3) return closeWindow(argv[2]);
    if (command == "idle" && argc == 3) return idle(std::atof(argv[2]));
    std::fprintf(stderr,
                 "usage: xwatch start N -- PROGRAM ARG... | open KEY... | close KEY... | "
                 "delete TITLE | idle SECONDS\n");
    return 2;
}
