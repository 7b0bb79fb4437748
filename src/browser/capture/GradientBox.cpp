#include "browser/capture/GradientBox.h"

#include <QPainter>

namespace suite::browser {

GradientBox::GradientBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void GradientBox::farbverlauf()
{
    const QSize size = contentsRect().size();
    if (size.isEmpty()) {
        m_drawn = QImage();
        return;
    }
    m_drawn = QImage(size, QImage::Format_RGB32);
    QPainter painter(&m_drawn);
    const int height = size.height();
    for (int band = 0; band < Bands; ++band) {
        const int top = band * height / Bands;
        const int bottom = (band + 1) * height / Bands;
        painter.fillRect(0, top, size.width(), bottom - top, QColor(band, 0, 0));
    }
    update();
}

void GradientBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_drawn.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_drawn);
}

} // namespace suite::browser
