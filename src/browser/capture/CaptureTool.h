#pragma once

#include "browser/BrowserServices.h"

#include <QPointer>

#include <functional>
#include <memory>

class QWidget;

namespace suite {
class Clock;
class FileChooser;
class KeyStore;
class MessageBoxes;
class ProgramStarter;
} // namespace suite

namespace suite::browser {

class KeyboardDevice;
class MSendInput;
class ScreenGrabber;
class frmAnzeige;

// The screen-capture tool as the browser uses it: the real screen grabber and key sender
// (made on first use; where the program does not run on X11 they say so when asked to
// work), and one viewer at a time, which reads pictures aloud through a synthesizer of the
// browser's made for it.
//
//   suite::browser::CaptureTool capture(fileChooser, messageBoxes, launcher, keyStore, clock,
//       services.createSynthesizer);
//   services.openCaptureViewer = [&capture](QWidget* owner) { capture.open(owner); };
class CaptureTool {
public:
    CaptureTool(FileChooser& fileChooser, MessageBoxes& messageBoxes, ProgramStarter& starter,
        const KeyStore& keyStore, const Clock& clock,
        std::function<SynthesizerSlot(QWidget* parent)> createSynthesizer = {});
    ~CaptureTool();
    CaptureTool(const CaptureTool&) = delete;
    CaptureTool& operator=(const CaptureTool&) = delete;

    // Shows the viewer, not modal, in front; a new one when none is open. The viewer is a
    // window of its own, centred on the screen wherever the owner is.
    frmAnzeige* open(QWidget* owner);

private:
    FileChooser& m_fileChooser;
    MessageBoxes& m_messageBoxes;
    ProgramStarter& m_starter;
    const KeyStore& m_keyStore;
    const Clock& m_clock;
    std::function<SynthesizerSlot(QWidget* parent)> m_createSynthesizer;
    std::unique_ptr<ScreenGrabber> m_grabber;
    std::unique_ptr<KeyboardDevice> m_keyboard;
    std::unique_ptr<MSendInput> m_keys;
    QPointer<frmAnzeige> m_viewer;
};

} // namespace suite::browser
