#pragma once

class QWidget;

namespace suite {

// Asks the window manager to leave the window off the task bar and the pager, so the
// program shows only as its window or its tray icon. Does nothing off X11 or without a
// window manager.
void keepOffTaskList(QWidget& window);

} // namespace suite
