#pragma once

#include <QPushButton>

namespace suite::browser {

// A push button whose caption always fits its fixed design size: it wraps at blanks and,
// where it still does not fit, is drawn in a smaller font. The caption (text()) stays exactly
// as set, for screen readers and for the program.
class CaptionButton final : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The largest font up to the widget's own that fits text into the box, wrapping at blanks.
    static QFont fittingFont(const QFont& font, const QString& text, const QSize& box);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace suite::browser
