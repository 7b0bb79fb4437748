#pragma once

#include <Qt>

namespace suite {

// The flags of the character's windows (the character, its balloon): a frameless tool
// window above the others. On XWayland the compositor manages such a window itself and
// ignores its moves (sway centres it, weston puts it at 64,64); there the window bypasses
// the window manager, and every compositor shows it where the program puts it.
Qt::WindowFlags topWindowFlags();

} // namespace suite
