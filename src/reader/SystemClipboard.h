#pragma once

#include "reader/Clipboard.h"

namespace suite::reader {

// The desktop's clipboard (QGuiApplication's), or nothing when the program has none. A
// picture or a list of files holds no text for the reader.
class SystemClipboard final : public Clipboard {
public:
    std::optional<QString> text() const override;
    QImage image() const override;
    bool setText(const QString& text) override;
};

} // namespace suite::reader
