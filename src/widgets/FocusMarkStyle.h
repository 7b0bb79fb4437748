#pragma once

#include <QProxyStyle>

namespace suite {

// The application's style with a focus mark on scroll bars, which the usual styles (Fusion
// among them) draw alike with and without the focus. A keyboard user must see where the keys
// go; buttons, picture buttons and sliders carry the style's own mark.
class FocusMarkStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget = nullptr) const override;
};

// Puts FocusMarkStyle over the application's style. Call once the QApplication exists.
void installFocusMarks();

} // namespace suite
