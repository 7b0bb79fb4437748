#include "browser/capture/PictureBox.h"

#include <QPainter>

namespace suite::browser {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), m_picture);
}

} // namespace suite::browser
