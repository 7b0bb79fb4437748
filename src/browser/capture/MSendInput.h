#pragma once

#include "browser/capture/KeyDelivery.h"
#include "browser/capture/KeyboardLayout.h"
#include "core/Result.h"

#include <QString>

namespace suite::browser {

// Types a key sequence in the key notation into whatever window has the keyboard focus:
// the whole sequence is parsed first and then handed over in one batch, so that no real key
// press of the user can come between its events.
class MSendInput {
public:
    MSendInput(KeyboardLayout& layout, KeyDelivery& delivery)
        : m_layout(layout)
        , m_delivery(delivery)
    {
    }

    // wait asked the oldest key-sending service to wait for the events to be processed; no
    // delivery here waits for the target, so it changes nothing. Nothing is sent when the
    // sequence is refused (too many events, a half character) or the keyboard cannot be
    // reached; the failure says why.
    Result SendKeysInput(const QString& sequence, bool wait = false);

private:
    KeyboardLayout& m_layout;
    KeyDelivery& m_delivery;
};

} // namespace suite::browser
