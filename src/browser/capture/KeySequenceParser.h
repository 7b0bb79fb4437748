#pragma once

#include "browser/capture/KeyRecord.h"
#include "browser/capture/KeyboardLayout.h"
#include "core/Result.h"

#include <QString>

#include <vector>

namespace suite::browser {

struct ParsedKeys {
    std::vector<KeyRecord> records;
    Result result; // on failure records is empty
};

// Turns the key notation into the list of keyboard events:
//   plain characters; "+", "^", "%" hold Shift, Ctrl, Alt over the next item; "(...)" is a
//   group typed literally; "{NAME}" a named key, "{NAME 3}" or "{x 3}" repeated; "{}}" is
//   "}"; "~" is Enter. Characters the layout cannot type with at most Shift (in its present
//   Caps Lock state) become character events. An unmatched "(" or "{" is skipped; a
//   modifier with nothing after it is dropped.
// A repeat count is the number its text starts with, rounded; below 1 it counts as 1.
// The list is bounded: a count above MaxRecords, or a sequence that would need more than
// MaxRecords events, fails as a whole with a clear error.
class KeySequenceParser {
public:
    static constexpr qsizetype MaxRecords = 65536;

    explicit KeySequenceParser(const KeyboardLayout& layout)
        : m_layout(layout)
    {
    }

    ParsedKeys parse(const QString& sequence) const;

private:
    const KeyboardLayout& m_layout;
};

} // namespace suite::browser
