#include "desktop/DesktopProbe.h"

#include "widgets/Tray.h"
#include "widgets/TrayStandIn.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <memory>

namespace suite::test::desktop {

namespace {

Display* display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The 32-bit items of a property (atoms, windows), empty when it is missing.
QList<unsigned long> longProperty(Window window, const char* name, Atom type)
{
    Display* dpy = display();
    QList<unsigned long> values;
    if (!dpy)
        return values;
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, window, XInternAtom(dpy, name, False), 0, 4096, False, type,
            &actualType, &format, &count, &remaining, &data)
            == Success
        && data) {
        if (actualType == type && format == 32) {
            const auto* items = reinterpret_cast<const unsigned long*>(data);
            values = QList<unsigned long>(items, items + count);
        }
        XFree(data);
    }
    return values;
}

unsigned int xButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return 3;
    case Qt::MiddleButton:
        return 2;
    default:
        return 1;
    }
}

} // namespace

bool runsWith(const QString& service)
{
    return qEnvironmentVariable("SPRACHAUSGABE_TEST_SERVICES")
        .split(u' ', Qt::SkipEmptyParts)
        .contains(service);
}

QStringList netWmState(WId window)
{
    Display* dpy = display();
    QStringList names;
    for (const unsigned long atom : longProperty(window, "_NET_WM_STATE", XA_ATOM)) {
        char* name = XGetAtomName(dpy, atom);
        if (name) {
            names << QString::fromLatin1(name);
            XFree(name);
        }
    }
    return names;
}

bool isManaged(WId window)
{
    Display* dpy = display();
    return dpy
        && longProperty(DefaultRootWindow(dpy), "_NET_CLIENT_LIST", XA_WINDOW).contains(window);
}

QList<WId> stackingOrder()
{
    Display* dpy = display();
    QList<WId> order;
    if (!dpy)
        return order;
    for (const unsigned long window :
        longProperty(DefaultRootWindow(dpy), "_NET_CLIENT_LIST_STACKING", XA_WINDOW))
        order << window;
    return order;
}

bool isViewable(WId window)
{
    Display* dpy = display();
    XWindowAttributes attributes {};
    return dpy && XGetWindowAttributes(dpy, window, &attributes) != 0
        && attributes.map_state == IsViewable;
}

QPoint positionOnServer(WId window)
{
    Display* dpy = display();
    int x = 0;
    int y = 0;
    Window child = None;
    if (dpy)
        XTranslateCoordinates(dpy, window, DefaultRootWindow(dpy), 0, 0, &x, &y, &child);
    return { x, y };
}

void movePointer(QPoint global)
{
    Display* dpy = display();
    if (!dpy)
        return;
    XTestFakeMotionEvent(dpy, -1, global.x(), global.y(), CurrentTime);
    XFlush(dpy);
}

void clickAt(QPoint global, Qt::MouseButton button)
{
    Display* dpy = display();
    if (!dpy)
        return;
    XTestFakeMotionEvent(dpy, -1, global.x(), global.y(), CurrentTime);
    XTestFakeButtonEvent(dpy, xButton(button), True, CurrentTime);
    XTestFakeButtonEvent(dpy, xButton(button), False, 50);
    XFlush(dpy);
}

QString runWhileServing(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return {};
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString ownStatusNotifierItem()
{
    // The watcher lists each item by the bus name of its connection; ours is the one whose
    // process is this one.
    const QString registered = runWhileServing(QStringLiteral("dbus-send"),
        { "--session", "--print-reply", "--dest=org.kde.StatusNotifierWatcher",
            "/StatusNotifierWatcher", "org.freedesktop.DBus.Properties.Get",
            "string:org.kde.StatusNotifierWatcher", "string:RegisteredStatusNotifierItems" });
    static const QRegularExpression item(QStringLiteral("string \"([^\"/]+)"));
    for (auto it = item.globalMatch(registered); it.hasNext();) {
        const QString name = it.next().captured(1);
        const QString owner = runWhileServing(QStringLiteral("dbus-send"),
            { "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                "org.freedesktop.DBus.GetConnectionUnixProcessID", "string:" + name });
        if (owner.contains(QStringLiteral("uint32 %1").arg(QCoreApplication::applicationPid())))
            return name;
    }
    return {};
}

QString statusNotifierToolTip(const QString& item)
{
    return runWhileServing(QStringLiteral("dbus-send"),
        { "--session", "--print-reply", "--dest=" + item, "/StatusNotifierItem",
            "org.freedesktop.DBus.Properties.Get", "string:org.kde.StatusNotifierItem",
            "string:ToolTip" });
}

void callStatusNotifier(const QString& item, const QString& method, QPoint at)
{
    // Started and left to itself: the call is answered from the event loop the caller runs
    // next (a menu's, for instance). The process object goes when the program ends.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(QStringLiteral("dbus-send"),
        { "--session", "--print-reply", "--dest=" + item, "/StatusNotifierItem",
            "org.kde.StatusNotifierItem." + method, QStringLiteral("int32:%1").arg(at.x()),
            QStringLiteral("int32:%1").arg(at.y()) });
}

bool onScreen(QWidget& window)
{
    const WId id = window.winId();
    return QTest::qWaitFor(
        [&] { return isViewable(id) && (!runsWith(QStringLiteral("wm")) || isManaged(id)); },
        10000);
}

QRect iconOnScreen(const Tray& tray)
{
    if (tray.standIn() && tray.standIn()->isVisible())
        return tray.standIn()->frameGeometry();
    return tray.systemTrayIcon() ? tray.systemTrayIcon()->geometry() : QRect();
}

bool iconPlaced(const Tray& tray)
{
    return QTest::qWaitFor(
        [&] {
            const QRect icon = iconOnScreen(tray);
            const QRect screen = QGuiApplication::primaryScreen()->geometry();
            return icon.isValid() && icon.center().x() > screen.center().x()
                && icon.center().y() > screen.center().y();
        },
        10000);
}

QMenu* clickIcon(const Tray& tray, Qt::MouseButton button)
{
    QMenu* opened = nullptr;
    // The menu runs its own event loop inside the click's handling; it is found from there.
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = menu;
            menu->close();
        }
    });
    look.start(50);
    const QPoint at = iconOnScreen(tray).center();
    if (runsWith(QStringLiteral("sni-tray"))) {
        callStatusNotifier(ownStatusNotifierItem(),
            button == Qt::LeftButton ? QStringLiteral("Activate") : QStringLiteral("ContextMenu"),
            at);
    } else {
        clickAt(at, button);
    }
    QTest::qWait(1500);
    return opened;
}

} // namespace suite::test::desktop
