// SPDX-FileCopyrightText: 2026 The Letterfibel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program as a learner would and watches its window from outside, on the X server:
// prints the milliseconds from the start to the last paint of the window's first burst of
// paints (no paint for QUIET_MS after it), and the program's peak resident memory in KiB.
// Then ends the program with SIGTERM.
//   paint_watch QUIET_MS PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

// A window on screen that is large enough to be the program's window rather than a helper.
bool isShownWindow(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state == IsViewable && attributes.width >= 200 &&
           attributes.height >= 200;
}

// A window that is gone by the time it is asked about is no concern of the measure.
int ignoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: paint_watch QUIET_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const auto quiet = std::chrono::milliseconds(std::atoi(argv[1]));
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "paint_watch: cannot open the X display %s\n", XDisplayName(nullptr));
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "paint_watch: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    // Every paint on the screen, from before the program exists: none can slip by.
    const Damage damage = XDamageCreate(display, root, XDamageReportNonEmpty);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        // Its output is not measured, and a process it leaves running (Wine's server) must not
        // hold the pipe this program's figures are read from.
        const int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    bool windowShown = false;
    Clock::time_point lastPaint{};
    const Clock::time_point giveUp = start + std::chrono::seconds(60);
    for (;;) {
        const Clock::time_point now = Clock::now();
        if (lastPaint != Clock::time_point{} && now >= lastPaint + quiet)
            break;
        if (now >= giveUp)
            break;
        if (!XPending(display)) {
            const Clock::time_point until =
                lastPaint != Clock::time_point{} ? lastPaint + quiet : giveUp;
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1,
                 static_cast<int>(
                     std::chrono::ceil<std::chrono::milliseconds>(until - now).count()));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect &&
            isShownWindow(display, event.xmap.window)) {
            windowShown = true;
        } else if (event.type == damageEvent + XDamageNotify) {
            if (windowShown)
                lastPaint = Clock::now();
            // Asks for the next paint's event.
            XDamageSubtract(display, damage, None, None);
        }
    }

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (lastPaint == Clock::time_point{}) {
        std::fprintf(stderr, "paint_watch: %s painted no window within 60 s\n", argv[2]);
        return 1;
    }
    std::printf("%.3f %ld\n", millisecondsSince(start, lastPaint), usage.ru_maxrss);
    return 0;
}
