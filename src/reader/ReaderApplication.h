#pragma once

#include "reader/ReaderEdition.h"
#include "reader/ReaderLifecycle.h"
#include "reader/ReaderServices.h"

#include <QPointer>

#include <functional>
#include <memory>

namespace suite::reader {

class Agent;

// Owns the reader window: starts it, puts a fresh one in its place when it asks to be
// rebuilt, and ends the program when it closes.
class ReaderApplication final : public ReaderLifecycle {
public:
    // quit is called once, when the program ends.
    ReaderApplication(ReaderEdition edition, ReaderServices services, std::function<void()> quit);
    ~ReaderApplication() override;

    // Creates and starts the window, which hides in tray mode. False when the program ended during
    // the start.
    bool start();

    // The window of the moment; null once the program has ended.
    Agent* window() const { return m_window.get(); }
    bool hasEnded() const { return m_ended; }

    // The program is being ended from outside: the window of the moment saves its settings
    // quietly; a failure is told on stderr, since nobody may be there to read a box.
    void saveAtOutsideEnd();

    void restartWindow() override;
    void endProgram() override;

private:
    bool openWindow();

    ReaderEdition m_edition;
    ReaderServices m_services;
    std::function<void()> m_quit;
    std::unique_ptr<Agent> m_window;
    bool m_ended = false;
};

} // namespace suite::reader
