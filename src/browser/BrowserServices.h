#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace suite {
class FileChooser;
class MessageBoxes;
class ProgramStarter;
class Synthesizer;
} // namespace suite

namespace suite::browser {

class ConnectionCheck;
class DesktopPrograms;
class HostLookup;
class PrintDialogs;

// The speech synthesizer of one browser window and the widget that shows its mouth (may be
// null where nothing is shown).
struct SynthesizerSlot {
    Synthesizer* speech = nullptr;
    QWidget* mouth = nullptr;
};

// What the browser's windows work with; the program's main owns every part of it.
struct BrowserServices {
    // Makes the synthesizer of a new browser window; its mouth is placed on parent.
    std::function<SynthesizerSlot(QWidget* parent)> createSynthesizer;
    MessageBoxes* messageBoxes = nullptr;
    FileChooser* fileChooser = nullptr;
    ProgramStarter* starter = nullptr;
    const DesktopPrograms* programs = nullptr;
    HostLookup* hostLookup = nullptr;
    ConnectionCheck* connection = nullptr;
    PrintDialogs* printDialogs = nullptr;
    // Browser.ini, verlauf.Dat and favoriten.Dat lie here (with a trailing "/").
    QString programDir;
    // This program's executable, started again by "Neues Fenster".
    QString programFile;
    // Opens the screen-capture viewer (frmAnzeige) for the tool-bar button "ScreenCapturing";
    // unset, the button does nothing.
    std::function<void(QWidget* owner)> openCaptureViewer;
};

} // namespace suite::browser
