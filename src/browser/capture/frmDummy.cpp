#include "browser/capture/frmDummy.h"

#include "core/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <cmath>

namespace suite::browser {

namespace {

// A number as the locale writes it by default: whole numbers without decimals, and no
// thousands separator, which would make "1.234" of a position on a wide screen.
QString localeNumber(double value)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 7);
}

// How far one arrow key moves a corner: in pixels, with Ctrl a single pixel.
constexpr int KeyStep = 10;

QPointF arrowDirection(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return { -1, 0 };
    case Qt::Key_Right:
        return { 1, 0 };
    case Qt::Key_Up:
        return { 0, -1 };
    case Qt::Key_Down:
        return { 0, 1 };
    default:
        return {};
    }
}

} // namespace

frmDummy::frmDummy(ScreenGrabber& grabber, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_grabber(grabber)
    , Label1(new QLabel(this))
{
    setObjectName(QStringLiteral("frmDummy"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Bereich wählen: mit der Maus ziehen, Escape bricht ab"));
    setAccessibleDescription(QStringLiteral("Pfeiltasten verschieben den Bereich, Umschalt und "
                                            "Pfeiltasten ändern seine Größe, die Eingabetaste "
                                            "übernimmt ihn."));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAutoFillBackground(true);
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::Window, QColor(0xff, 0xff, 0xff));
    palette.setColor(QPalette::WindowText, QColor(0xff, 0, 0));
    Label1->setPalette(palette);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->hide();
}

void frmDummy::Form_Load()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    // The still image is taken before the overlay is visible, so it shows the desktop
    // without the overlay (and without the viewer, which was minimized before).
    m_frozen = m_grabber.grabArea(m_grabber.screenArea());
    if (screen) {
        m_frozen.setDevicePixelRatio(screen->devicePixelRatio());
        setGeometry(screen->geometry());
        m_twipsPerPixelX = twips::perPixel(screen->logicalDotsPerInchX());
        m_twipsPerPixelY = twips::perPixel(screen->logicalDotsPerInchY());
    }
    m_dragging = false;
}

void frmDummy::mousePressEvent(QMouseEvent* event)
{
    Form_MouseDown(event->position());
}

void frmDummy::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove(event->position());
}

void frmDummy::mouseReleaseEvent(QMouseEvent* event)
{
    Form_MouseUp(event->position());
}

void frmDummy::keyPressEvent(QKeyEvent* event)
{
    // Escape ends like a click without dragging.
    if (event->key() == Qt::Key_Escape) {
        finish(QPixmap());
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_dragging) {
        Form_MouseUp(m_pointer);
        return;
    }
    const QPointF direction = arrowDirection(event->key());
    if (direction.isNull()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPointF step
        = direction * (event->modifiers().testFlag(Qt::ControlModifier) ? 1 : KeyStep);
    if (!m_dragging) {
        // The keyboard's region starts as a quarter of the screen in its middle.
        const QPointF quarter(width() / 4.0, height() / 4.0);
        Form_MouseDown(QRectF(rect()).center() - quarter / 2);
        Form_MouseMove(m_start + quarter);
    }
    const QRectF screen(rect());
    if (event->modifiers().testFlag(Qt::ShiftModifier)) {
        // The far corner moves: the region grows or shrinks.
        const QPointF corner = m_pointer + step;
        if (screen.contains(corner))
            Form_MouseMove(corner);
    } else if (screen.contains(m_start + step) && screen.contains(m_pointer + step)) {
        // Both corners move: the region keeps its size, and stays on the screen.
        m_start += step;
        Form_MouseMove(m_pointer + step);
    }
}

void frmDummy::Form_MouseDown(QPointF position)
{
    Label1->show();
    m_start = position;
    m_pointer = position;
    m_dragging = true;
    update();
    emit dragStarted();
    raise();
}

void frmDummy::Form_MouseMove(QPointF position)
{
    if (!m_dragging)
        return;
    m_pointer = position;
    const QPointF offset(LabelOffsetTwips / m_twipsPerPixelX, LabelOffsetTwips / m_twipsPerPixelY);
    Label1->move((position + offset).toPoint());
    // Twips divided by twips per pixel: the numbers are pixels.
    Label1->setText(QStringLiteral("X=") + localeNumber(position.x()) + QStringLiteral(" Y=")
        + localeNumber(position.y()) + QStringLiteral("; B=")
        + localeNumber(position.x() - m_start.x()) + QStringLiteral(" H=")
        + localeNumber(position.y() - m_start.y()));
    Label1->adjustSize();
    update();
}

void frmDummy::Form_MouseUp(QPointF position)
{
    if (!m_dragging)
        return;
    m_pointer = position;
    finish(markedPicture());
}

QPixmap frmDummy::markedPicture() const
{
    const double across = std::abs(m_pointer.x() - m_start.x()) * m_twipsPerPixelX;
    const double down = std::abs(m_pointer.y() - m_start.y()) * m_twipsPerPixelY;
    if (across <= MinimumDragTwips || down <= MinimumDragTwips || m_frozen.isNull())
        return {};
    // Taken from the still image, which never holds the outline, so the picture is the
    // same whichever corner the drag started from.
    const qreal ratio = m_frozen.devicePixelRatio();
    const QRectF marked = QRectF(m_start, m_pointer).normalized();
    const QRect pixels(QPoint(qRound(marked.left() * ratio), qRound(marked.top() * ratio)),
        QPoint(qRound(marked.right() * ratio) - 1, qRound(marked.bottom() * ratio) - 1));
    QImage part = m_frozen.copy(pixels & m_frozen.rect());
    part.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(part);
}

void frmDummy::finish(const QPixmap& picture)
{
    announce(picture);
    close();
}

void frmDummy::announce(const QPixmap& picture)
{
    m_dragging = false;
    Label1->hide();
    if (m_announced)
        return;
    m_announced = true;
    emit regionChosen(picture);
}

void frmDummy::closeEvent(QCloseEvent* event)
{
    // Closed by the window manager or Alt+F4: the same end as Escape, so the viewer that
    // hid itself for the overlay comes back.
    announce(QPixmap());
    QWidget::closeEvent(event);
}

void frmDummy::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_frozen.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(QPoint(0, 0), m_frozen);
    if (!m_dragging)
        return;
    painter.setPen(QPen(QColor(0xff, 0, 0), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(m_start, m_pointer).normalized());
}

} // namespace suite::browser
