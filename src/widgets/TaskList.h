#pragma once

class QWidget;

namespace suite {

// Keeps the window off the task bar and the pager, so the program shows only as its window or
// its tray icon. Call it from the window's show event, which comes before every map: the
// window manager forgets the wish whenever the window is hidden. On a mapped window it asks
// the window manager instead. Does nothing off X11.
void keepOffTaskList(QWidget& window);

} // namespace suite
