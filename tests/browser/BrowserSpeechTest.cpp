// Speaking the page's text: the text box, the marked passage, and each window's own speech.
#include "BrowserWindowFixture.h"

#include "browser/DesktopServices.h"
#include "browser/WebBrowser.h"
#include "browser/frmExplorer.h"
#include "widgets/SpeechSynthesizer.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>

using suite::browser::frmExplorer;

namespace {

using BrowserWindow = suite::test::BrowserWindowFixture;

} // namespace

TEST_F(BrowserWindow, ShowTextLetsTheUserSpeakTheMarkedPassage)
{
    const QString start
        = page("start.html", "<body><p>Erster Satz.</p><p>Zweiter Satz.</p></body>");
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    auto* show = window->findChild<QPushButton*>("Command5");
    auto* marked = window->findChild<QPushButton*>("Command4");

    click(window, "Command5");
    EXPECT_EQ(show->text(), "Hide");
    EXPECT_TRUE(text1Box(window)->isVisible());
    EXPECT_EQ(text1Box(window)->geometry(), window->browser()->geometry());
    ASSERT_TRUE(marked->isEnabled());

    click(window, "Command4"); // nothing marked yet
    QTextCursor cursor = text1Box(window)->textCursor();
    const int at = text1(window).indexOf("Zweiter");
    cursor.setPosition(at);
    cursor.setPosition(at + 7, QTextCursor::KeepAnchor);
    text1Box(window)->setTextCursor(cursor);
    click(window, "Command4");
    EXPECT_EQ(synth.spoken().mid(synth.spoken().size() - 2), QStringList({ "", "Zweiter" }));
    EXPECT_TRUE(text1Box(window)->hasFocus() || !window->isActiveWindow());

    // The user's edits are what "Sprich alles" speaks.
    text1Box(window)->setPlainText("Geändert");
    click(window, "Command2");
    EXPECT_EQ(synth.spoken().last(), "Geändert");

    click(window, "Command5");
    EXPECT_EQ(show->text(), "Show");
    EXPECT_FALSE(text1Box(window)->isVisible());
    EXPECT_FALSE(marked->isEnabled());

    click(window, "Command3");
    EXPECT_EQ(synth.log().ops().last(), "Stop");
    EXPECT_TRUE(synth.spoken().isEmpty());

    synth.log().failOn("Speak", "kein Ton");
    click(window, "Command2");
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "Fehler bei Sprachausgabe");
    EXPECT_EQ(boxes.boxes().first().title, "");
}

TEST_F(BrowserWindow, EachWindowHasItsOwnSpeechAndItsStopEndsOnlyThat)
{
    services.createSynthesizer = [this](QWidget* parent) { return turns.newSynthesizer(parent); };
    windows = std::make_unique<suite::browser::BrowserWindows>(services);
    const QString start = page("start.html", "<title>Erste</title><body>Erste Seite</body>");
    page("neu.html", "<title>Neu</title><body>Neues Fenster</body>");
    writeIni(start, start);
    frmExplorer* first = openBrowser();
    click(first, "Command2");
    ASSERT_EQ(speechEngine.queued().size(), 1);

    // A page opens a second window; its start does not silence the first one.
    frmExplorer* second = nullptr;
    QObject::connect(windows.get(), &suite::browser::BrowserWindows::windowCreated, windows.get(),
        [&](frmExplorer* made) { second = made; });
    evaluate(first, "window.open('neu.html'); true");
    ASSERT_TRUE(QTest::qWaitFor([&] { return second && text1(second) == "Neues Fenster"; }, 20000));
    EXPECT_EQ(speechEngine.stopCount(), 0);
    ASSERT_EQ(speechEngine.queued().size(), 1);
    EXPECT_EQ(speechEngine.queued().first().text, "Erste Seite");

    // The second window's speech waits its turn; its "Stop" drops only that.
    click(second, "Command2");
    click(second, "Command3");
    EXPECT_EQ(speechEngine.stopCount(), 0);
    EXPECT_EQ(speechEngine.queued().size(), 1);

    // Only the window whose speech is heard moves its mouth.
    auto* firstMouth = first->findChild<suite::SpeechSynthesizer*>("DirectSS1");
    auto* secondMouth = second->findChild<suite::SpeechSynthesizer*>("DirectSS1");
    ASSERT_TRUE(firstMouth && secondMouth);
    speechEngine.sendLevel(0.8);
    EXPECT_GT(firstMouth->opening(), 0.5);
    EXPECT_EQ(secondMouth->opening(), 0);

    // The first window's "Stop" ends its speech; the second one's next text is heard then.
    click(second, "Command2");
    click(first, "Command3");
    EXPECT_EQ(speechEngine.stopCount(), 1);
    ASSERT_EQ(speechEngine.queued().size(), 1);
    EXPECT_EQ(speechEngine.queued().first().text, "Neues Fenster");
    speechEngine.sendLevel(0.8);
    EXPECT_EQ(firstMouth->opening(), 0);
    EXPECT_GT(secondMouth->opening(), 0.5);
}

TEST_F(BrowserWindow, TheProgramsWindowsSpeakWithoutSilencingEachOther)
{
    // The program's own wiring, with real speech (silent output).
    suite::browser::DesktopServices desktop(services.programDir);
    services.createSynthesizer = desktop.services().createSynthesizer;
    windows = std::make_unique<suite::browser::BrowserWindows>(services);
    const QString start = page("start.html",
        "<title>Erste</title><body>" + QString("Ein langer Satz zum Vorlesen. ").repeated(40)
            + "</body>");
    page("neu.html", "<title>Neu</title><body>Neues Fenster</body>");
    writeIni(start, start);
    frmExplorer* first = openBrowser();
    click(first, "Command2");
    auto* firstMouth = first->findChild<suite::SpeechSynthesizer*>("DirectSS1");
    ASSERT_TRUE(firstMouth && firstMouth->isSpeaking());

    frmExplorer* second = nullptr;
    QObject::connect(windows.get(), &suite::browser::BrowserWindows::windowCreated, windows.get(),
        [&](frmExplorer* made) { second = made; });
    evaluate(first, "window.open('neu.html'); true");
    ASSERT_TRUE(QTest::qWaitFor([&] { return second && text1(second) == "Neues Fenster"; }, 20000));
    click(second, "Command3");
    QTest::qWait(200);
    EXPECT_TRUE(firstMouth->isSpeaking());
    click(first, "Command3");
    EXPECT_FALSE(firstMouth->isSpeaking());
    windows.reset(); // the windows go before the speech they use
}
