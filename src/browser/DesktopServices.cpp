#include "browser/DesktopServices.h"

#include "widgets/SpeechSynthesizer.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace suite::browser {

DesktopServices::DesktopServices(const QString& programDir)
    : programs(keys, KeyStore::machineSources().findProgram,
          [](const QString& path) { return QFileInfo(path).isFile(); })
    , m_programDir(programDir)
{
}

BrowserServices DesktopServices::services()
{
    BrowserServices services;
    services.createSynthesizer = [this](QWidget* parent) {
        auto* synthesizer = new SpeechSynthesizer(engine, parent); // the tool bar owns it
        return SynthesizerSlot { synthesizer, synthesizer };
    };
    services.messageBoxes = &messageBoxes;
    services.fileChooser = &fileChooser;
    services.starter = &launcher;
    services.programs = &programs;
    services.hostLookup = &hostLookup;
    services.connection = &connection;
    services.printDialogs = &printDialogs;
    services.programDir = m_programDir;
    services.programFile = QCoreApplication::applicationFilePath();
    return services;
}

} // namespace suite::browser
