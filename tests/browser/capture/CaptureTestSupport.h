#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace suite::test {

// A screen picture where every pixel tells where it is: red = x, green = y (both mod 256),
// blue = 100. Any copied part can be checked against its place.
inline QImage placeCodedScreen(int width, int height)
{
    QImage screen(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(screen.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb(x % 256, y % 256, 100);
    }
    return screen;
}

// True when picture equals the part of screen at area, pixel for pixel (colour spaces and
// formats of the files aside).
inline bool showsPart(const QImage& picture, const QImage& screen, const QRect& area)
{
    if (picture.size() != area.size())
        return false;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if ((picture.pixel(x, y) & 0xffffff)
                != (screen.pixel(area.x() + x, area.y() + y) & 0xffffff))
                return false;
        }
    }
    return true;
}

// Sends a mouse event to a widget the way a drag delivers it.
inline void sendMouse(
    QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::LeftButton)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(
        type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

inline void drag(QWidget* widget, QPoint from, QPoint to)
{
    sendMouse(widget, QEvent::MouseButtonPress, from);
    sendMouse(widget, QEvent::MouseMove, (from + to) / 2);
    sendMouse(widget, QEvent::MouseMove, to);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

} // namespace suite::test
