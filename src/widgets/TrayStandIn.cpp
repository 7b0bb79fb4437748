#include "widgets/TrayStandIn.h"

#include "widgets/Tray.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace suite {

namespace {
constexpr int Side = 48;
constexpr int Margin = 4;
} // namespace

TrayStandIn::TrayStandIn(Deliver deliver)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_deliver(std::move(deliver))
{
    setObjectName(QStringLiteral("TrayStandIn"));
    setFixedSize(Side, Side);
    setFocusPolicy(Qt::StrongFocus);
    // It never counts as the program's last window: closing it must not end the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Appearing must not take the keyboard from whatever the user is working in.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // The pointer resting on the icon is a message of its own.
    setMouseTracking(true);
}

void TrayStandIn::setIcon(const QIcon& icon)
{
    m_icon = icon;
    update();
}

void TrayStandIn::setTip(const QString& tip)
{
    setToolTip(tip);
    setAccessibleName(tip);
    setWindowTitle(tip);
}

void TrayStandIn::placeInCorner()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.right() + 1 - width(), area.bottom() + 1 - height());
}

void TrayStandIn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    m_icon.paint(&painter, rect().adjusted(Margin, Margin, -Margin, -Margin));
    if (hasFocus()) {
        painter.setPen(QPen(palette().highlight(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void TrayStandIn::mouseMoveEvent(QMouseEvent* event)
{
    m_deliver(traymessage::MouseMove, event->globalPosition().toPoint());
}

void TrayStandIn::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->globalPosition().toPoint();
    if (event->button() == Qt::LeftButton)
        m_deliver(traymessage::LeftButtonUp, at);
    else if (event->button() == Qt::RightButton)
        m_deliver(traymessage::RightButtonUp, at);
    else if (event->button() == Qt::MiddleButton)
        m_deliver(traymessage::MiddleButtonUp, at);
    else
        QWidget::mouseReleaseEvent(event);
}

void TrayStandIn::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_deliver(traymessage::LeftButtonDoubleClick, event->globalPosition().toPoint());
    else
        QWidget::mouseDoubleClickEvent(event);
}

void TrayStandIn::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        deliverAtCentre(traymessage::LeftButtonUp);
    else if (key == Qt::Key_Menu || (key == Qt::Key_F10 && shift))
        deliverAtCentre(traymessage::RightButtonUp);
    else
        QWidget::keyPressEvent(event);
}

void TrayStandIn::closeEvent(QCloseEvent* event)
{
    // The user's close (Alt+F4 through the window manager) would leave the program without
    // any way back; a close in code (the session ending) goes through.
    if (event->spontaneous())
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void TrayStandIn::deliverAtCentre(int message)
{
    m_deliver(message, mapToGlobal(rect().center()));
}

} // namespace suite
