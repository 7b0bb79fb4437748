#pragma once

#include <QString>

namespace suite {
class AgentControl;
class Clock;
class FileChooser;
class MessageBoxes;
} // namespace suite

namespace suite::reader {

class Clipboard;
class SpokenWordFeed;

// What a reader window works with, handed in by main() (or by a test).
struct ReaderServices {
    AgentControl& agent;
    MessageBoxes& messageBoxes;
    FileChooser& fileChooser;
    const Clock& clock;
    Clipboard& clipboard;
    QString programDir; // where the settings file lives
    QString characterDir; // the character files offered in the window
    SpokenWordFeed* spokenWords = nullptr; // where the word being heard is reported, if anywhere
};

} // namespace suite::reader
