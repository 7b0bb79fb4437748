#include "browser/DesktopServices.h"

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
    // Each window speaks through a channel of its own: its "Stop" ends only its speech.
    services.createSynthesizer = [this](QWidget* parent) { return turns.newSynthesizer(parent); };
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
