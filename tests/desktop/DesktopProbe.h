#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>

class QMenu;

namespace suite {
class Tray;
}

namespace suite::test::desktop {

// Whether tests/with-services started this service for the run: "wm", "tray", "sni-tray",
// "clipboard-manager".
bool runsWith(const QString& service);

// The states in the window's _NET_WM_STATE, by atom name, as the X server holds them.
QStringList netWmState(WId window);

// Whether the window manager lists the window among its clients (_NET_CLIENT_LIST).
bool isManaged(WId window);

// The window manager's clients from bottom to top (_NET_CLIENT_LIST_STACKING).
QList<WId> stackingOrder();

// Whether the X server shows the window now.
bool isViewable(WId window);

// Where the X server shows the window's own top-left corner, in root coordinates.
QPoint positionOnServer(WId window);

// The pointer as a user moves it and presses its buttons (XTest); the events reach the
// program through the X server like a user's.
void movePointer(QPoint global);
void clickAt(QPoint global, Qt::MouseButton button);

// Runs a program to its end while this program's events keep being handled (so it can
// answer a D-Bus call made by that program); its standard output, or nothing on failure.
QString runWhileServing(const QString& program, const QStringList& arguments);

// The D-Bus name of this process's StatusNotifier item as the watcher lists it for the
// host; empty while the watcher knows none.
QString ownStatusNotifierItem();

// What the host reads of the item's tool tip (the D-Bus reply as text).
QString statusNotifierToolTip(const QString& item);

// Asks the item what a click in the host asks: "Activate" (left), "ContextMenu" (right),
// "SecondaryActivate" (middle). Returns at once; the program handles it in its event loop.
void callStatusNotifier(const QString& item, const QString& method, QPoint at);

// Waits until the window is shown: mapped by the X server and, with a window manager, taken
// on by it.
bool onScreen(QWidget& window);

// Where the icon is on the screen, whatever shows it (the tray host or the stand-in).
QRect iconOnScreen(const Tray& tray);

// Waits until the tray host (or the stand-in) shows the icon in the bottom-right corner of
// the screen; until it has taken the icon in, Qt reports a place of its own.
bool iconPlaced(const Tray& tray);

// Clicks the icon the way the desktop delivers it (a StatusNotifier host as D-Bus calls,
// otherwise as a pointer click) and returns the pop-up menu that opened (closed again), or
// nullptr when none opened.
QMenu* clickIcon(const Tray& tray, Qt::MouseButton button);

} // namespace suite::test::desktop
