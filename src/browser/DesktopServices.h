#pragma once

#include "browser/BrowserServices.h"
#include "browser/ConnectionCheck.h"
#include "browser/DesktopPrograms.h"
#include "browser/HostLookup.h"
#include "browser/PrintDialogs.h"
#include "browser/SpeechTurns.h"
#include "core/KeyStore.h"
#include "core/ProcessLauncher.h"
#include "speech/SpeechEngineFactory.h"
#include "widgets/FileChooserDialog.h"
#include "widgets/MessageBoxesDialog.h"

namespace suite::browser {

// The real parts a browser window works with on this desktop, owned in one place so the
// program and the benchmark wire them the same way. Create it after the QApplication.
class DesktopServices {
public:
    explicit DesktopServices(const QString& programDir);
    DesktopServices(const DesktopServices&) = delete;
    DesktopServices& operator=(const DesktopServices&) = delete;

    // Every part filled in, the real speech synthesizer included; the capture viewer is
    // left to the caller.
    BrowserServices services();

    // The engine the user chose (SPRACHAUSGABE_ENGINE); the browser windows take turns on it.
    const std::unique_ptr<SpeechEngine> engine = createSpeechEngine();
    SpeechTurns turns { *engine };
    MessageBoxesDialog messageBoxes;
    FileChooserDialog fileChooser;
    ProcessLauncher launcher;
    const KeyStore keys;
    const DesktopPrograms programs;
    SystemHostLookup hostLookup;
    SystemConnectionCheck connection;
    QtPrintDialogs printDialogs;

private:
    QString m_programDir;
};

} // namespace suite::browser
