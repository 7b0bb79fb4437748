#include "browser/CaptionButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace suite::browser {

namespace {

constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr qreal smallestPoints = 5.5;

} // namespace

QFont CaptionButton::fittingFont(const QFont& font, const QString& text, const QSize& box)
{
    QFont fitting = font;
    qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : 9.0;
    while (points > smallestPoints) {
        fitting.setPointSizeF(points);
        const QRect needed
            = QFontMetrics(fitting).boundingRect(QRect(QPoint(), box), captionFlags, text);
        if (needed.width() <= box.width() && needed.height() <= box.height())
            break;
        points -= 0.5;
    }
    return fitting;
}

void CaptionButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect box = rect().adjusted(3, 1, -3, -1);
    painter.setFont(fittingFont(font(), caption, box.size()));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(box, captionFlags, caption);
}

} // namespace suite::browser
