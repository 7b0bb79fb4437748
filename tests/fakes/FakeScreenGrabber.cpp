#include "fakes/FakeScreenGrabber.h"

#include <QPainter>

namespace suite::test {

FakeScreenGrabber::FakeScreenGrabber(QImage screen)
    : m_screen(screen.convertToFormat(QImage::Format_RGB32))
{
}

QImage FakeScreenGrabber::grabArea(const QRect& area)
{
    m_grabs.append(area);
    if (m_onGrab)
        m_onGrab();
    if (!m_unavailable.isEmpty() || area.isEmpty())
        return {};
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QRect visible = area & m_screen.rect();
    QPainter painter(&picture);
    painter.drawImage(visible.topLeft() - area.topLeft(), m_screen, visible);
    return picture;
}

std::optional<quint64> FakeScreenGrabber::foregroundWindow()
{
    if (!m_unavailable.isEmpty())
        return std::nullopt;
    return m_foreground;
}

std::optional<QRect> FakeScreenGrabber::windowArea(quint64 window, bool withFrame)
{
    const auto found = m_windows.constFind(window);
    if (!m_unavailable.isEmpty() || found == m_windows.cend())
        return std::nullopt;
    return withFrame ? found->frame : found->inside;
}

} // namespace suite::test
