#pragma once

#include <QImage>
#include <QString>

#include <optional>

namespace suite::reader {

// The clipboard as the reader uses it: plain text, and pictures for their text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // The clipboard's plain text; nothing when it holds no text at all (a picture, files).
    virtual std::optional<QString> text() const = 0;
    // The clipboard's picture; a null picture when it holds none.
    virtual QImage image() const = 0;
    // True when the clipboard holds the text afterwards; another program may keep it.
    virtual bool setText(const QString& text) = 0;
};

} // namespace suite::reader
