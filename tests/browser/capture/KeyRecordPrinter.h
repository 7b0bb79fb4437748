#pragma once

#include "browser/capture/KeyRecord.h"

#include <ostream>

namespace suite::browser {

// Lets GoogleTest print key records readably: "16 down", "65 up scan 30", "char U+20AC up".
inline void PrintTo(const KeyRecord& record, std::ostream* os)
{
    if (record.isCharacter())
        *os << "char U+" << std::hex << record.scanCode << std::dec;
    else
        *os << record.virtualKey;
    *os << (record.isKeyUp() ? " up" : " down");
    if (!record.isCharacter() && record.scanCode)
        *os << " scan " << record.scanCode;
    if (record.flags.testFlag(KeyFlag::ExtendedKey))
        *os << " extended";
}

} // namespace suite::browser
