#pragma once

#include "browser/capture/KeyboardDevice.h"

#include <QString>

namespace suite::browser {

// Keys through xdg-desktop-portal's RemoteDesktop interface, which GNOME and KDE Plasma
// offer: the first sequence opens a session for the keyboard, which the desktop may have
// the user allow; each key then goes as its keysym, so umlauts, ß and € arrive whatever the
// user's layout. Where the portal can remember the permission, its token is kept in the
// given file, and the user is asked once. The session closes with the device.
class PortalKeyboard final : public KeysymKeyboard {
public:
    PortalKeyboard(QString tokenFile, int delayMs);
    ~PortalKeyboard() override;

    Result deliver(const std::vector<KeyRecord>& records) override;

    // Whether the session bus has a portal that offers keyboard events.
    static bool offered();

    // How long the session's start waits for the user's answer.
    static constexpr int StartTimeoutMs = 120000;
    // How long the other requests wait for the portal.
    static constexpr int AnswerTimeoutMs = 20000;

private:
    // Opens and starts the session; m_session names it from its creation on.
    Result openSession();
    void closeSession();

    QString m_tokenFile;
    int m_delayMs;
    QString m_session; // the session's object path; empty while none is open
};

} // namespace suite::browser
