#pragma once

#include "browser/capture/KeyRecord.h"
#include "core/Result.h"

#include <vector>

namespace suite::browser {

// Hands a whole list of keyboard events to the focused window at once, so that no real key
// press of the user can come between them.
class KeyDelivery {
public:
    virtual ~KeyDelivery() = default;
    // Either all records are sent, in order, or none is and the failure says why.
    virtual Result deliver(const std::vector<KeyRecord>& records) = 0;
};

} // namespace suite::browser
