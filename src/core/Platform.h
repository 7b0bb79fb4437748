#pragma once

namespace suite {

// Call before the QApplication exists. The programs watch the global clipboard, capture the
// screen and synthesise keys, which needs X11 (or XWayland), so Qt's xcb platform is the
// default unless the user chose one with QT_QPA_PLATFORM. Without any display the offscreen
// platform lets a program still run and speak instead of ending at start. It also calls
// dropHarmlessQtNotes().
void chooseQtPlatform();

// Qt writes notes to the terminal where it falls back on something that serves as well:
// XDG_RUNTIME_DIR unset (a terminal opened with su, a cron job: Qt uses a private folder of
// its own) and a window raised on the offscreen platform (there is no screen to raise it
// on). Nothing is wrong then, so these notes are dropped, and a command's output holds only
// what its user asked for. Every other message goes on to the handler that was there
// before. Call it first in main(); calling it again changes nothing.
void dropHarmlessQtNotes();

} // namespace suite
