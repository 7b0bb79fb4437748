#include "reader/ReaderApplication.h"

#include "reader/Agent.h"

#include <cstdio>

namespace suite::reader {

ReaderApplication::ReaderApplication(
    ReaderEdition edition, ReaderServices services, std::function<void()> quit)
    : m_edition(std::move(edition))
    , m_services(std::move(services))
    , m_quit(std::move(quit))
{
}

ReaderApplication::~ReaderApplication() = default;

bool ReaderApplication::start()
{
    return openWindow();
}

bool ReaderApplication::openWindow()
{
    m_window = std::make_unique<Agent>(m_edition, m_services, *this);
    Agent* window = m_window.get();
    // The start ends in tray mode with the window hidden.
    return window->Form_Load() && !m_ended;
}

void ReaderApplication::saveAtOutsideEnd()
{
    if (m_ended || !m_window)
        return;
    if (const Result saved = m_window->saveAtOutsideEnd(); !saved)
        std::fprintf(stderr, "%s: Die Einstellungen konnten nicht gespeichert werden. %s\n",
            qPrintable(m_edition.programName), qPrintable(saved.error));
}

void ReaderApplication::restartWindow()
{
    // The old window is still inside its close event: it goes once that has returned.
    if (m_window)
        m_window.release()->deleteLater();
    // The rebuilt window replaces one the user was looking at, so it comes into view.
    if (openWindow())
        m_window->mnuAnzeige_Click();
}

void ReaderApplication::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_window)
        m_window.release()->deleteLater();
    if (m_quit)
        m_quit();
}

} // namespace suite::reader
