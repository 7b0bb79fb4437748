#pragma once

#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace suite::browser {

struct NamedKey {
    quint16 virtualKey = 0;
    bool extended = false; // the key-down record carries the extended flag
};

// The keys the notation names in braces ("{TAB}", "{left}"); names match without regard to
// case. The table is built on first use and kept for the life of the program.
std::optional<NamedKey> keyNamed(QStringView name);

} // namespace suite::browser
