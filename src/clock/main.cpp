// tockwerk: the talking clock.
#include "clock/SoundEffectChimePlayer.h"
#include "clock/frmUhr.h"
#include "core/Clock.h"
#include "core/CommandLine.h"
#include "core/Paths.h"
#include "core/Platform.h"
#include "core/SingleInstance.h"
#include "speech/SpeechEngineFactory.h"
#include "widgets/ApplicationAccessible.h"
#include "widgets/FocusMarkStyle.h"
#include "widgets/GermanTranslations.h"
#include "widgets/MessageBoxesDialog.h"
#include "widgets/SpeechNotice.h"
#include "widgets/ToggleAsClick.h"
#include "widgets/agent/CharacterAgent.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv)
{
    suite::CommandLine commandLine(QStringLiteral("tockwerk"));
    if (commandLine.handle(argc, argv))
        return commandLine.exitCode();
    suite::chooseQtPlatform();

    suite::installApplicationAccessible();
    QApplication app(argc, argv);
    suite::installToggleAsClick();
    QApplication::setApplicationName(QStringLiteral("tockwerk"));
    QApplication::setApplicationDisplayName(QStringLiteral("Die Tockwerk"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tockwerk.svg")));
    // The window may hide into the tray; the program ends only through its own close.
    QApplication::setQuitOnLastWindowClosed(false);
    suite::installGermanQtTranslations();
    suite::installFocusMarks();

    // A second start ends at once without a word; the first goes on.
    const suite::SingleInstance instance(QStringLiteral("tockwerk"));
    if (instance.alreadyRunning())
        return 0;

    suite::SystemClock clock;
    const std::unique_ptr<suite::SpeechEngine> engine = suite::createSpeechEngine();
    suite::CharacterAgent agent(suite::paths::characterDir(), *engine);
    suite::MessageBoxesDialog messageBoxes;
    suite::clock::SoundEffectChimePlayer chimes;
    suite::clock::frmUhr window(clock, agent, chimes, messageBoxes);
    QObject::connect(
        &window, &suite::clock::frmUhr::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.Form_Load();
    suite::tellIfSpeechUnavailable(*engine, messageBoxes, &window);
    return QApplication::exec();
}
