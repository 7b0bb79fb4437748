#pragma once

#include <QString>

namespace suite {

// Gives every window of the program the icon in `resource` for the task bar and the window
// list. Drawing a scalable icon in the sizes a window manager is offered takes milliseconds
// (an icon with lettering loads the fonts first), so the icon is set once the event loop
// runs, after the first window has gone to the screen; windows shown later have it at once.
void setProgramIcon(const QString& resource);

} // namespace suite
