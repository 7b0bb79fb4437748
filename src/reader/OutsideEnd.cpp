#include "reader/OutsideEnd.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <utility>

namespace suite::reader {

namespace {

constexpr int kSignals[] = { SIGTERM, SIGHUP, SIGINT };

// A signal handler may only write to a descriptor; the GUI thread reads it.
int g_wake[2] = { -1, -1 };
// What exit() runs, as long as an OutsideEnd lives.
std::function<void()> g_save;
bool g_atExitRegistered = false;

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_wake[1], &byte, 1);
}

void saveAtExit()
{
    if (g_save)
        std::exchange(g_save, nullptr)();
}

} // namespace

OutsideEnd::OutsideEnd(std::function<void()> save, QObject* parent)
    : QObject(parent)
{
    Q_ASSERT(!g_save);
    g_save = std::move(save);
    if (!g_atExitRegistered)
        g_atExitRegistered = std::atexit(saveAtExit) == 0;

    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_wake) == 0) {
        m_notifier = new QSocketNotifier(g_wake[0], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &OutsideEnd::signalArrived);
        struct sigaction action { };
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (const int signal : kSignals)
            ::sigaction(signal, &action, nullptr);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
#ifndef QT_NO_SESSIONMANAGER
        connect(app, &QGuiApplication::commitDataRequest, this, &OutsideEnd::endOfSession,
            Qt::DirectConnection);
#endif
        // The session manager's last word ("die") quits the application.
        connect(app, &QCoreApplication::aboutToQuit, this, &OutsideEnd::endOfSession);
    }
}

OutsideEnd::~OutsideEnd()
{
    g_save = nullptr;
    if (m_notifier) {
        for (const int signal : kSignals)
            std::signal(signal, SIG_DFL);
        delete m_notifier;
        ::close(g_wake[0]);
        ::close(g_wake[1]);
        g_wake[0] = g_wake[1] = -1;
    }
}

void OutsideEnd::endOfSession()
{
    if (g_save)
        g_save();
}

void OutsideEnd::signalArrived()
{
    char bytes[16];
    while (::read(g_wake[0], bytes, sizeof bytes) > 0) { }
    endOfSession();
    QCoreApplication::quit();
}

} // namespace suite::reader
