#include "widgets/FittingLabel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include <algorithm>

namespace suite {

namespace {

// The largest size from the font's own down to `smallest` at which text fits into room. Each
// size tried loads a font engine, which is slow, so the search starts where the widths scale
// to and steps from there (hinting keeps widths from scaling exactly).
QFont fittingFont(QFont font, const QString& text, int room, int smallest)
{
    const int largest = font.pointSize();
    const auto fits = [&](int size) {
        font.setPointSize(size);
        return QFontMetrics(font).horizontalAdvance(text) <= room;
    };
    if (largest <= smallest || fits(largest)) {
        font.setPointSize(largest);
        return font;
    }
    const int widest = std::max(1, QFontMetrics(font).horizontalAdvance(text));
    int size = std::clamp(largest * room / widest, smallest, largest - 1);
    while (size > smallest && !fits(size))
        --size;
    while (size + 1 < largest && fits(size + 1))
        ++size;
    font.setPointSize(size);
    return font;
}

} // namespace

FittingLabel::FittingLabel(int smallestPoints, QWidget* parent)
    : ValueLabel(parent)
    , m_smallestPoints(smallestPoints)
{
}

QFont FittingLabel::shownFont() const
{
    return fit().font;
}

QString FittingLabel::shownText() const
{
    return fit().shown;
}

const FittingLabel::Fit& FittingLabel::fit() const
{
    const int room = contentsRect().width();
    if (m_fit.text != text() || m_fit.room != room || m_fit.base != font()) {
        m_fit.text = text();
        m_fit.room = room;
        m_fit.base = font();
        m_fit.font = fittingFont(font(), text(), room, m_smallestPoints);
        m_fit.shown = QFontMetrics(m_fit.font).elidedText(text(), Qt::ElideLeft, room);
    }
    return m_fit;
}

void FittingLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event); // the frame; a style sheet's background is drawn before
    const Fit& shown = fit();
    QPainter painter(this);
    painter.setFont(shown.font);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(),
        isEnabled(), shown.shown, foregroundRole());
}

} // namespace suite
