// netzleser: the talking web browser.
#include "browser/AddressText.h"
#include "browser/BrowserWindows.h"
#include "browser/DesktopServices.h"
#include "browser/WebEngineLanguage.h"
#include "browser/capture/CaptureTool.h"
#include "core/Clock.h"
#include "core/CommandLine.h"
#include "core/Paths.h"
#include "core/Platform.h"
#include "widgets/ApplicationAccessible.h"
#include "widgets/FocusMarkStyle.h"
#include "widgets/GermanTranslations.h"
#include "widgets/SpeechNotice.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLoggingCategory>

#include <unistd.h>

int main(int argc, char** argv)
{
    suite::CommandLine commandLine(QStringLiteral("netzleser"));
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

    suite::installApplicationAccessible();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("netzleser"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/netzleser.svg")));
    suite::installGermanQtTranslations();
    suite::installFocusMarks();
    suite::browser::WebEngineLanguage::choose();

    suite::browser::DesktopServices desktop(suite::paths::programDir());
    suite::browser::BrowserServices services = desktop.services();
    const suite::SystemClock clock;
    suite::browser::CaptureTool capture(desktop.fileChooser, desktop.messageBoxes, desktop.launcher,
        desktop.keys, clock, services.createSynthesizer);
    services.openCaptureViewer = [&capture](QWidget* owner) { capture.open(owner); };

    suite::browser::BrowserWindows windows(services);
    // A file manager or another program may ask for an address ("netzleser %u").
    windows.openMainWindow(suite::browser::AddressText::fromCommandLine(
        QCoreApplication::arguments().mid(1), QDir::currentPath()));
    suite::tellIfSpeechUnavailable(*desktop.engine, desktop.messageBoxes, nullptr);
    return QApplication::exec();
}
