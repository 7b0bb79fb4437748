#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace suite::reader {

// The ways a desktop ends a program without its own "Beenden": SIGTERM, SIGHUP and SIGINT
// (shutdown, kill, a closed terminal), the session manager's end of the session, and the
// display connection closing, where Qt's X11 platform calls exit(). Each runs `save`: for a
// signal on the GUI thread, after which the application quits; at the end of the session
// (which the user may still cancel) or at exit() without an event loop. So `save` may run
// more than once, and must neither wait nor ask. One instance per process.
class OutsideEnd final : public QObject {
    Q_OBJECT
public:
    explicit OutsideEnd(std::function<void()> save, QObject* parent = nullptr);
    ~OutsideEnd() override;

    // What the end of the session runs (wired to the application in the constructor).
    void endOfSession();

private:
    void signalArrived();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace suite::reader
