#pragma once

namespace suite {

// Call before the QApplication exists. The programs watch the global clipboard, capture the
// screen and synthesise keys, which needs X11 (or XWayland), so Qt's xcb platform is the
// default unless the user chose one with QT_QPA_PLATFORM. Without any display the offscreen
// platform lets a program still run and speak instead of ending at start.
void chooseQtPlatform();

} // namespace suite
