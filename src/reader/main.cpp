// lautbote and lautzwerg: the text reader whose character reads typed, marked, opened and
// copied text. One source for both; the build names the edition (READER_EDITION_LAUTZWERG).
#include "core/Clock.h"
#include "core/CommandLine.h"
#include "core/Paths.h"
#include "core/Platform.h"
#include "core/SingleInstance.h"
#include "reader/Agent.h"
#include "reader/AgentWordFollower.h"
#include "reader/OutsideEnd.h"
#include "reader/ReaderApplication.h"
#include "reader/SpokenWordFeed.h"
#include "reader/WaylandClipboard.h"
#include "speech/SpeechEngineFactory.h"
#include "widgets/ApplicationAccessible.h"
#include "widgets/FileChooserDialog.h"
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
    using namespace suite;
#ifdef READER_EDITION_LAUTZWERG
    const reader::ReaderEdition edition = reader::ReaderEdition::lautzwerg();
#else
    const reader::ReaderEdition edition = reader::ReaderEdition::lautbote();
#endif
    CommandLine commandLine(edition.programName);
    if (commandLine.handle(argc, argv))
        return commandLine.exitCode();

    // A second copy ends before it shows or says anything.
    const SingleInstance instance(edition.programName);
    if (instance.alreadyRunning())
        return 0;

    chooseQtPlatform();
    installApplicationAccessible();
    QApplication app(argc, argv);
    installToggleAsClick();
    QApplication::setApplicationName(edition.programName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(edition.programName)));
    // The character's windows stay after the reader's window closes; the reader ends itself.
    QApplication::setQuitOnLastWindowClosed(false);
    installGermanQtTranslations();
    installFocusMarks();

    const std::unique_ptr<SpeechEngine> engine = createSpeechEngine();
    CharacterAgent agent(paths::characterDir(), *engine);
    MessageBoxesDialog messageBoxes;
    FileChooserDialog fileChooser;
    SystemClock clock;
    const std::unique_ptr<reader::Clipboard> clipboard = reader::openDesktopClipboard();
    reader::SpokenWordFeed spokenWords;

    reader::ReaderServices services { agent, messageBoxes, fileChooser, clock, *clipboard,
        paths::programDir(), paths::characterDir(), &spokenWords };
    reader::ReaderApplication reader(edition, services, [] { QCoreApplication::quit(); });
    reader::AgentWordFollower follower(
        *engine, agent,
        [&reader] { return reader.window() ? reader.window()->characterName() : QString(); },
        spokenWords);
    // Logging out, shutting down or a closed display keep the settings as "Beenden" does.
    reader::OutsideEnd outsideEnd([&reader] { reader.saveAtOutsideEnd(); });
    if (!reader.start())
        return 0;
    tellIfSpeechUnavailable(
        *engine, messageBoxes, reader.window(), QStringLiteral("Sprachausgabe Fehlernachricht"));
    return QApplication::exec();
}
