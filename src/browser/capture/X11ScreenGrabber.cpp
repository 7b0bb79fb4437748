#include "browser/capture/X11ScreenGrabber.h"

#include "browser/capture/PortalScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>

namespace suite::browser {

namespace {

class UnavailableScreenGrabber final : public ScreenGrabber {
public:
    explicit UnavailableScreenGrabber(QString reason)
        : m_reason(std::move(reason))
    {
    }
    QString unavailableReason() const override { return m_reason; }
    QRect screenArea() const override { return {}; }
    QImage grabArea(const QRect&) override { return {}; }
    std::optional<quint64> foregroundWindow() override { return std::nullopt; }
    std::optional<QRect> windowArea(quint64, bool) override { return std::nullopt; }

private:
    QString m_reason;
};

// One colour channel of a pixel, scaled to 8 bits.
struct Channel {
    int shift = 0;
    int bits = 0;

    explicit Channel(unsigned long mask)
    {
        if (mask == 0)
            return;
        shift = std::countr_zero(mask);
        bits = std::popcount(mask);
    }

    int of(unsigned long pixel) const
    {
        if (bits == 0)
            return 0;
        const unsigned long value = (pixel >> shift) & ((1UL << bits) - 1);
        return bits >= 8 ? int(value >> (bits - 8)) : int(value * 255 / ((1UL << bits) - 1));
    }
};

void copyInto(QImage& target, QPoint at, XImage* source)
{
    const bool plain = source->bits_per_pixel == 32 && source->red_mask == 0xff0000
        && source->green_mask == 0xff00 && source->blue_mask == 0xff
        && source->byte_order
            == (QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst);
    if (plain) {
        for (int y = 0; y < source->height; ++y) {
            const auto* from
                = reinterpret_cast<const quint32*>(source->data + y * source->bytes_per_line);
            auto* to = reinterpret_cast<quint32*>(target.scanLine(at.y() + y)) + at.x();
            for (int x = 0; x < source->width; ++x)
                to[x] = from[x] | 0xff000000u;
        }
        return;
    }
    const Channel red(source->red_mask), green(source->green_mask), blue(source->blue_mask);
    for (int y = 0; y < source->height; ++y) {
        auto* to = reinterpret_cast<QRgb*>(target.scanLine(at.y() + y)) + at.x();
        for (int x = 0; x < source->width; ++x) {
            const unsigned long pixel = XGetPixel(source, x, y);
            to[x] = qRgb(red.of(pixel), green.of(pixel), blue.of(pixel));
        }
    }
}

} // namespace

X11ScreenGrabber::X11ScreenGrabber(std::unique_ptr<X11Display> display)
    : m_display(std::move(display))
{
}

QRect X11ScreenGrabber::rootArea() const
{
    Display* display = m_display->get();
    const int screen = DefaultScreen(display);
    return QRect(0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen));
}

QRect X11ScreenGrabber::screenArea() const
{
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        ? QGuiApplication::primaryScreen()
        : nullptr;
    if (!screen)
        return rootArea();
    // Qt's geometry is in device-independent pixels; the capture has the screen's real ones.
    const qreal ratio = screen->devicePixelRatio();
    const QRect geometry = screen->geometry();
    return QRect(qRound(geometry.x() * ratio), qRound(geometry.y() * ratio),
        qRound(geometry.width() * ratio), qRound(geometry.height() * ratio));
}

QImage X11ScreenGrabber::grabArea(const QRect& area)
{
    if (area.isEmpty())
        return {};
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    const QRect visible = area & rootArea();
    if (visible.isEmpty())
        return picture;
    Display* display = m_display->get();
    X11ErrorTrap trap(display);
    XImage* image = XGetImage(display, m_display->rootWindow(), visible.x(), visible.y(),
        unsigned(visible.width()), unsigned(visible.height()), AllPlanes, ZPixmap);
    if (!image || trap.failed()) {
        if (image)
            XDestroyImage(image);
        return {};
    }
    copyInto(picture, visible.topLeft() - area.topLeft(), image);
    XDestroyImage(image);
    return picture;
}

std::optional<quint64> X11ScreenGrabber::activeWindowProperty()
{
    Display* display = m_display->get();
    // The atom may exist without a window manager (Qt creates it); only a value counts.
    const Atom active = XInternAtom(display, "_NET_ACTIVE_WINDOW", True);
    if (active == None)
        return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::optional<quint64> window;
    if (XGetWindowProperty(display, m_display->rootWindow(), active, 0, 1, False, XA_WINDOW, &type,
            &format, &count, &after, &data)
            == Success
        && data && type == XA_WINDOW && format == 32 && count == 1) {
        const unsigned long value = *reinterpret_cast<unsigned long*>(data);
        if (value != None)
            window = value;
    }
    if (data)
        XFree(data);
    return window;
}

std::optional<quint64> X11ScreenGrabber::foregroundWindow()
{
    X11ErrorTrap trap(m_display->get());
    if (const std::optional<quint64> active = activeWindowProperty())
        return active;
    Display* display = m_display->get();
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus != None && focus != PointerRoot)
        return focus;
    Window root = None, child = None;
    int rootX = 0, rootY = 0, x = 0, y = 0;
    unsigned int buttons = 0;
    XQueryPointer(
        display, m_display->rootWindow(), &root, &child, &rootX, &rootY, &x, &y, &buttons);
    return child != None ? child : m_display->rootWindow();
}

std::optional<QRect> X11ScreenGrabber::windowArea(quint64 window, bool withFrame)
{
    Display* display = m_display->get();
    const Window root = m_display->rootWindow();
    X11ErrorTrap trap(display);
    Window target = window;
    // The frame is the window's ancestor right below the root: a window manager's
    // decoration, or the window itself when nobody decorates it.
    while (withFrame && target != root) {
        Window treeRoot = None, parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, target, &treeRoot, &parent, &children, &count))
            return std::nullopt;
        if (children)
            XFree(children);
        if (parent == None || parent == root)
            break;
        target = parent;
    }
    XWindowAttributes attributes {};
    if (!XGetWindowAttributes(display, target, &attributes))
        return std::nullopt;
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(display, target, root, 0, 0, &x, &y, &child);
    if (trap.failed())
        return std::nullopt;
    if (!withFrame)
        return QRect(x, y, attributes.width, attributes.height);
    const int border = attributes.border_width;
    return QRect(
        x - border, y - border, attributes.width + 2 * border, attributes.height + 2 * border);
}

QString qtPlatformProblem()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())
        && QGuiApplication::platformName() != QLatin1String("xcb"))
        return QStringLiteral("Das Programm läuft nicht auf X11 (Qt-Plattform „%1“).")
            .arg(QGuiApplication::platformName());
    return {};
}

std::unique_ptr<ScreenGrabber> openScreenGrabber()
{
    const QString prefix = QStringLiteral("Bildschirmfotos sind hier nicht möglich: ");
    QString problem = qtPlatformProblem();
    if (!problem.isEmpty())
        return unavailableScreenGrabber(prefix + problem);
    std::unique_ptr<X11Display> display = X11Display::open(&problem);
    if (!display)
        return unavailableScreenGrabber(prefix + problem);
    auto x11 = std::make_unique<X11ScreenGrabber>(std::move(display));
    // XWayland shows only its own windows, without the root's pixels: on a Wayland session
    // the compositor's portal takes the picture.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        if (!PortalScreenGrabber::offered())
            return unavailableScreenGrabber(prefix
                + QStringLiteral("Auf dieser Wayland-Sitzung bietet kein xdg-desktop-portal "
                                 "Bildschirmfotos an."));
        return std::make_unique<PortalScreenGrabber>(std::move(x11));
    }
    return x11;
}

std::unique_ptr<ScreenGrabber> unavailableScreenGrabber(const QString& reason)
{
    return std::make_unique<UnavailableScreenGrabber>(reason);
}

} // namespace suite::browser
