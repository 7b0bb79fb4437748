// Starts a program and prints the milliseconds until its first top-level window is mapped
// on the X display: window_wait PROGRAM [ARGS...]. The program is then ended.
// It watches the root window for MapNotify, so it sees the window the moment the X server
// maps it, without polling.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: window_wait PROGRAM [ARGS...]\n");
        return 2;
    }
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
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int result = 1;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                const auto elapsed = std::chrono::steady_clock::now() - start;
                std::printf("%.1f\n",
                            std::chrono::duration<double, std::milli>(elapsed).count());
                result = 0;
                goto done;
            }
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "window_wait: %s ended without a window\n", argv[1]);
            goto done;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval timeout{0, 20000};
        select(fd + 1, &fds, nullptr, nullptr, &timeout);
    }
done:
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return result;
}
