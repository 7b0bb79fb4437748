#include "browser/capture/CaptureTool.h"

#include "browser/capture/KeyboardDevice.h"
#include "browser/capture/MSendInput.h"
#include "browser/capture/X11ScreenGrabber.h"
#include "browser/capture/frmAnzeige.h"
#include "speech/Synthesizer.h"

namespace suite::browser {

CaptureTool::CaptureTool(FileChooser& fileChooser, MessageBoxes& messageBoxes,
    ProgramStarter& starter, const KeyStore& keyStore, const Clock& clock,
    std::function<SynthesizerSlot(QWidget* parent)> createSynthesizer)
    : m_fileChooser(fileChooser)
    , m_messageBoxes(messageBoxes)
    , m_starter(starter)
    , m_keyStore(keyStore)
    , m_clock(clock)
    , m_createSynthesizer(std::move(createSynthesizer))
{
}

CaptureTool::~CaptureTool()
{
    delete m_viewer.data();
}

frmAnzeige* CaptureTool::open(QWidget* owner)
{
    Q_UNUSED(owner);
    if (!m_grabber) {
        m_grabber = openScreenGrabber();
        const QString problem = qtPlatformProblem();
        m_keyboard = problem.isEmpty()
            ? openKeyboardDevice()
            : unavailableKeyboardDevice(
                QStringLiteral("Tastenfolgen können nicht gesendet werden: ") + problem);
        m_keys = std::make_unique<MSendInput>(*m_keyboard, *m_keyboard);
    }
    if (!m_viewer) {
        m_viewer = new frmAnzeige(nullptr,
            CaptureCollaborators { *m_grabber, *m_keys, m_fileChooser, m_messageBoxes, m_starter,
                m_keyStore, m_clock });
        if (m_createSynthesizer) {
            // The viewer's own channel of the browser's speech; its mouth is not shown.
            const SynthesizerSlot slot = m_createSynthesizer(m_viewer);
            if (slot.speech)
                slot.speech->SetVisible(false);
            m_viewer->setSpeech(slot.speech);
        }
    }
    m_viewer->showNormal();
    m_viewer->raise();
    m_viewer->activateWindow();
    return m_viewer;
}

} // namespace suite::browser
