#pragma once

#include "reader/Clipboard.h"

#include <QMetaObject>

namespace suite::reader {

// The desktop's clipboard (QGuiApplication's), or nothing when the program has none. A
// picture or a list of files holds no text for the reader.
class SystemClipboard final : public Clipboard {
public:
    SystemClipboard();
    ~SystemClipboard() override;

    std::optional<QString> text() const override;
    QImage image() const override;
    bool setText(const QString& text) override;

private:
    // A copied picture stays on the clipboard: it is decoded once, and again only after the
    // clipboard changed, not at every look of the watch.
    mutable QImage m_picture;
    mutable bool m_pictureCurrent = false;
    QMetaObject::Connection m_changed;
};

} // namespace suite::reader
