#pragma once

#include <QString>

class QWidget;

namespace suite {

class MessageBoxes;
class SpeechEngine;

// Tells the user, in one message box, that the program's speech engine cannot speak and why.
// Every program calls it once at its start; later failing requests do not repeat the reason.
// The box comes once the event loop runs, so that the program can end while it is open (the
// reader's tray menu stays usable). Both references must outlive that. False when the engine
// can speak and nothing is said.
bool tellIfSpeechUnavailable(const SpeechEngine& engine, MessageBoxes& boxes, QWidget* owner,
    const QString& title = QString());

} // namespace suite
