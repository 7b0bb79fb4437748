#pragma once

namespace suite {

// A screen reader's "Toggle" on a check box or an option button is a click: pressed,
// toggled, released and clicked, as the user's Space or mouse click gives. Qt's own toggle
// action only flips the state, so a program whose handler listens to `clicked` would never
// hear of the user's choice, and one listening to `toggled` cannot tell it from its own
// setChecked. Call after the QApplication is made: views installed later are asked first,
// and Qt installs its widget views when the application is made.
void installToggleAsClick();

} // namespace suite
