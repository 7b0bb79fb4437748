#pragma once

namespace suite {

// Makes a pop-up menu that no menu bar or menu leads to (a tray icon's menu, a context menu)
// a child of the application in the accessibility tree while it is open. Qt leaves pop-ups
// out of the application's children and menus out of their parent widget's children, so such
// a menu is otherwise unreachable for a screen reader, and with a hidden parent window
// entirely. Call before the QApplication is made: the application's view is made once.
void installApplicationAccessible();

} // namespace suite
