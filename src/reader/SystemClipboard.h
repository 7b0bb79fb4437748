#pragma once

#include "reader/Clipboard.h"

namespace suite::reader {

// The desktop's clipboard (QGuiApplication's), or nothing when the program has none.
class SystemClipboard final : public Clipboard {
public:
    std::optional<QString> text() const override;
    void setText(const QString& text) override;
};

} // namespace suite::reader
