// netzleser: the talking web browser.
#include "browser/BrowserWindows.h"
#include "browser/ConnectionCheck.h"
#include "browser/DesktopPrograms.h"
#include "browser/HostLookup.h"
#include "browser/PrintDialogs.h"
#include "browser/capture/CaptureTool.h"
#include "core/Clock.h"
#include "core/CommandLine.h"
#include "core/KeyStore.h"
#include "core/Paths.h"
#include "core/Platform.h"
#include "core/ProcessLauncher.h"
#include "speech/EspeakEngine.h"
#include "widgets/FileChooserDialog.h"
#include "widgets/GermanTranslations.h"
#include "widgets/MessageBoxesDialog.h"
#include "widgets/SpeechSynthesizer.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLoggingCategory>

#include <unistd.h>

int main(int argc, char** argv)
{
    suite::CommandLine commandLine(QStringLiteral("netzleser"),
        QStringLiteral("Der sprechende Web-Browser: liest Webseiten und markierten Text vor."));
    if (commandLine.handle(argc, argv))
        return commandLine.exitCode();
    // Qt WebEngine refuses to start as root with its sandbox; only then is it switched off.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The web engine's start-up report is no news for a user; rules in QT_LOGGING_RULES
    // still win over this one.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    suite::chooseQtPlatform();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("netzleser"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/netzleser.svg")));
    suite::installGermanQtTranslations();

    suite::EspeakEngine engine;
    suite::MessageBoxesDialog messageBoxes;
    suite::FileChooserDialog fileChooser;
    suite::ProcessLauncher launcher;
    const suite::KeyStore keys;
    const suite::browser::DesktopPrograms programs(keys,
        suite::KeyStore::machineSources().findProgram,
        [](const QString& path) { return QFileInfo(path).isFile(); });
    suite::browser::SystemHostLookup hostLookup;
    suite::browser::SystemConnectionCheck connection;
    suite::browser::QtPrintDialogs printDialogs;

    suite::browser::BrowserServices services;
    services.createSynthesizer = [&engine](QWidget* parent) {
        auto* synthesizer = new suite::SpeechSynthesizer(engine, parent); // the tool bar owns it
        return suite::browser::SynthesizerSlot { synthesizer, synthesizer };
    };
    services.messageBoxes = &messageBoxes;
    services.fileChooser = &fileChooser;
    services.starter = &launcher;
    services.programs = &programs;
    services.hostLookup = &hostLookup;
    services.connection = &connection;
    services.printDialogs = &printDialogs;
    services.programDir = suite::paths::programDir();
    services.programFile = QCoreApplication::applicationFilePath();
    const suite::SystemClock clock;
    suite::browser::CaptureTool capture(fileChooser, messageBoxes, launcher, keys, clock);
    services.openCaptureViewer = [&capture](QWidget* owner) { capture.open(owner); };

    suite::browser::BrowserWindows windows(services);
    windows.openMainWindow();
    return QApplication::exec();
}
