// Starts a program and prints the milliseconds until its own main window is mapped on the X
// display: window_wait CLASS PROGRAM [ARGS...]. CLASS is matched (without regard to case)
// against either part of the window's WM_CLASS, so a splash or helper window of another
// class does not count. The program is then ended.
// It watches the root window for MapNotify, so it sees the window the moment the X server
// maps it, without polling.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <strings.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool hasClass(Display* display, Window window, const char* wanted)
{
    XClassHint hint {};
    if (!XGetClassHint(display, window, &hint))
        return false;
    const bool match = (hint.res_name && strcasecmp(hint.res_name, wanted) == 0)
        || (hint.res_class && strcasecmp(hint.res_class, wanted) == 0);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return match;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_wait CLASS PROGRAM [ARGS...]\n");
        return 2;
    }
    const char* wanted = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_wait: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // the program's own chatter would mix with the figures
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    int result = 1;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect
                && hasClass(display, event.xmap.window, wanted)) {
                const auto elapsed = std::chrono::steady_clock::now() - start;
                std::printf("%.1f\n", std::chrono::duration<double, std::milli>(elapsed).count());
                result = 0;
                goto done;
            }
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(
                stderr, "window_wait: %s ended without a window of class %s\n", argv[2], wanted);
            goto done;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval timeout { 0, 20000 };
        select(fd + 1, &fds, nullptr, nullptr, &timeout);
    }
done:
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
