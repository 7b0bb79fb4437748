#include "browser/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace suite::browser {

namespace {

constexpr int side = 48;

void arrow(QPainter& p, bool left)
{
    QPainterPath path;
    const qreal tip = left ? 8 : 40;
    const qreal base = left ? 26 : 22;
    path.moveTo(tip, 24);
    path.lineTo(base, 8);
    path.lineTo(base, 17);
    path.lineTo(left ? 40 : 8, 17);
    path.lineTo(left ? 40 : 8, 31);
    path.lineTo(base, 31);
    path.lineTo(base, 40);
    path.closeSubpath();
    p.fillPath(path, QColor(0x2e, 0x7d, 0x32));
}

void star(QPainter& p, const QRectF& box, const QColor& colour)
{
    QPainterPath path;
    const QPointF centre = box.center();
    const qreal outer = box.width() / 2;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? outer * 0.42 : outer;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(
            centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        i ? path.lineTo(point) : path.moveTo(point);
    }
    path.closeSubpath();
    p.fillPath(path, colour);
    p.setPen(QPen(QColor(0x8d, 0x6e, 0x00), 2));
    p.drawPath(path);
}

void draw(QPainter& p, ToolbarPicture picture)
{
    const QPen ink(QColor(0x26, 0x32, 0x38), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    switch (picture) {
    case ToolbarPicture::Back:
        arrow(p, true);
        break;
    case ToolbarPicture::Forward:
        arrow(p, false);
        break;
    case ToolbarPicture::Stop:
        p.setBrush(QColor(0xc6, 0x28, 0x28));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(6, 6, 36, 36));
        p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(17, 17, 31, 31);
        p.drawLine(31, 17, 17, 31);
        break;
    case ToolbarPicture::Reload: {
        p.setPen(QPen(QColor(0x15, 0x65, 0xc0), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(9, 9, 30, 30), 60 * 16, 290 * 16);
        QPainterPath head;
        head.moveTo(30, 4);
        head.lineTo(40, 14);
        head.lineTo(27, 18);
        head.closeSubpath();
        p.fillPath(head, QColor(0x15, 0x65, 0xc0));
        break;
    }
    case ToolbarPicture::Home: {
        QPainterPath roof;
        roof.moveTo(24, 6);
        roof.lineTo(43, 23);
        roof.lineTo(5, 23);
        roof.closeSubpath();
        p.fillPath(roof, QColor(0xc6, 0x28, 0x28));
        p.fillRect(QRectF(11, 23, 26, 19), QColor(0xf5, 0xf5, 0xdc));
        p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 2));
        p.drawRect(QRectF(11, 23, 26, 19));
        p.fillRect(QRectF(20, 29, 8, 13), QColor(0x5d, 0x40, 0x37));
        break;
    }
    case ToolbarPicture::Search:
        p.setPen(QPen(QColor(0x37, 0x47, 0x4f), 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(0xbb, 0xde, 0xfb));
        p.drawEllipse(QRectF(7, 7, 24, 24));
        p.drawLine(28, 28, 41, 41);
        break;
    case ToolbarPicture::Mail:
        p.setPen(QPen(QColor(0x37, 0x47, 0x4f), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0xff, 0xf8, 0xe1));
        p.drawRect(QRectF(5, 11, 38, 26));
        p.drawPolyline(QPolygonF({ QPointF(5, 11), QPointF(24, 26), QPointF(43, 11) }));
        break;
    case ToolbarPicture::AddFavourite:
        star(p, QRectF(3, 3, 34, 34), QColor(0xff, 0xc1, 0x07));
        p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(38, 30, 38, 46);
        p.drawLine(30, 38, 46, 38);
        break;
    case ToolbarPicture::Favourites:
        star(p, QRectF(4, 4, 24, 24), QColor(0xff, 0xc1, 0x07));
        p.setPen(ink);
        p.drawLine(32, 12, 44, 12);
        p.drawLine(10, 34, 44, 34);
        p.drawLine(10, 43, 44, 43);
        break;
    case ToolbarPicture::Source:
        p.setPen(QPen(QColor(0x6a, 0x1b, 0x9a), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({ QPointF(17, 12), QPointF(6, 24), QPointF(17, 36) }));
        p.drawPolyline(QPolygonF({ QPointF(31, 12), QPointF(42, 24), QPointF(31, 36) }));
        p.drawLine(27, 9, 21, 39);
        break;
    case ToolbarPicture::Capture:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x37, 0x47, 0x4f));
        p.drawRoundedRect(QRectF(4, 14, 40, 28), 5, 5);
        p.drawRect(QRectF(16, 9, 16, 7));
        p.setBrush(QColor(0x90, 0xca, 0xf9));
        p.drawEllipse(QRectF(15, 18, 18, 18));
        break;
    case ToolbarPicture::Exit:
        p.setPen(QPen(QColor(0x5d, 0x40, 0x37), 3));
        p.setBrush(QColor(0xd7, 0xcc, 0xc8));
        p.drawRect(QRectF(6, 5, 22, 38));
        arrow(p, false);
        break;
    }
}

} // namespace

QIcon toolbarIcon(ToolbarPicture picture)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, picture);
    painter.end();
    return QIcon(pixmap);
}

} // namespace suite::browser
