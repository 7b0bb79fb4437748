// Tray mode: the icon (here its stand-in, as on a desktop without a tray host), its pop-up
// menu, and the clipboard watch, driven through the icon and a clipboard another program
// fills.
#include "FakeClipboard.h"
#include "ReaderFixture.h"
#include "fakes/TextPicture.h"
#include "reader/SpokenText.h"
#include "widgets/TrayStandIn.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

using suite::test::FakeClipboard;
using suite::test::ReaderFixture;

namespace {

class readerTray : public ReaderFixture {
protected:
    readerTray() { writeIni("[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n"); }

    suite::reader::Clipboard& clipboardSeam() override { return copied; }

    // Starts in tray mode and forgets what the start asked for.
    void startInTray()
    {
        ASSERT_TRUE(start(false));
        forgetRequests();
    }

    QTimer* timer() const { return control<QTimer>("Timer1"); }
    QMenu* menu() const { return control<QMenu>("mnuPopUp"); }
    suite::TrayStandIn* icon() const { return window() ? window()->tray().standIn() : nullptr; }

    // Lets the watch's timer run once: the tick has ended when the clipboard was read.
    bool tick()
    {
        const int before = copied.reads();
        return QTest::qWaitFor([&] { return copied.reads() > before; }, 10000);
    }

    // Clicks the icon; while its menu is open, inMenu runs (and should close the menu).
    void clickIcon(std::function<void(QMenu&)> inMenu, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_NE(icon(), nullptr);
        QTimer::singleShot(0, [this, inMenu] {
            auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (open)
                inMenu(*open);
        });
        QTest::mouseClick(icon(), button);
        // A click that opened no menu leaves the look-in pending; it must run now, while this
        // test's state lives, and not inside the next test's menu.
        QCoreApplication::processEvents();
    }

    // Chooses the menu's item at index (0 to 4) with the keyboard, as a user can.
    void chooseFromIconMenu(int index)
    {
        clickIcon([index](QMenu& open) {
            for (int i = 0; i <= index; ++i)
                QTest::keyClick(&open, Qt::Key_Down);
            QTest::keyClick(&open, Qt::Key_Return);
        });
    }

    FakeClipboard copied;
};

} // namespace

TEST_F(readerTray, TheProgramStartsHiddenWithItsIconAndTheWatchRunning)
{
    startInTray();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(timer()->isActive());
    EXPECT_EQ(timer()->interval(), 1000);
    EXPECT_TRUE(window()->tray().isShown());
    EXPECT_EQ(window()->tray().shownTip(), "Sprachausgabe");
    // Without a tray host the stand-in keeps the program in reach.
    ASSERT_NE(icon(), nullptr);
    EXPECT_TRUE(icon()->isVisible());
    EXPECT_EQ(icon()->toolTip(), "Sprachausgabe");
}

TEST_F(readerTray, VerbergenHidesTheWindowAndTheMenuOpensItAgain)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(window()->tray().isShown());

    click("Command10");
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(timer()->isActive());
    EXPECT_TRUE(window()->tray().isShown());

    chooseFromIconMenu(1); // "Programmfenster öffnen"
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(timer()->isActive());
    EXPECT_FALSE(window()->tray().isShown());
    // typing goes straight into the text field, not into an option button
    EXPECT_EQ(window()->focusWidget(), window()->findChild<QWidget*>("RT1"));
}

TEST_F(readerTray, ACopiedTextIsPutIntoTheFieldSpokenOnceAndTheClipboardEmptied)
{
    startInTray();
    copied.copy("Hallo");
    ASSERT_TRUE(tick());
    EXPECT_EQ(field()->text(), "Hallo");
    EXPECT_EQ(requests(), QStringList({ "Show", "Play(Read)", "Speak(\\Spd=150\\Hallo)", "Hide" }));
    EXPECT_EQ(copied.written(), QStringList({ "" }));

    // The emptied clipboard speaks nothing more.
    forgetRequests();
    ASSERT_TRUE(tick());
    EXPECT_TRUE(requests().isEmpty());

    // The window opens with the text last read.
    chooseFromIconMenu(1);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(field()->text(), "Hallo");
}

TEST_F(readerTray, AnEmptyTextOrAPictureChangesNothingAndLeavesTheClipboardAlone)
{
    startInTray();
    field()->setText("bleibt");
    copied.copy("");
    ASSERT_TRUE(tick());
    copied.copyNoText();
    ASSERT_TRUE(tick());
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_TRUE(copied.written().isEmpty());
    EXPECT_EQ(field()->text(), "bleibt");
}

TEST_F(readerTray, QuickCopiesBetweenTwoTicksSpeakOnlyTheLastAndEachTextOnce)
{
    startInTray();
    for (const char* text : { "eins", "zwei", "drei" })
        copied.copy(text);
    ASSERT_TRUE(tick());
    copied.copy("vier");
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\drei", "\\Spd=150\\vier" }));
    EXPECT_EQ(field()->text(), "vier");
}

TEST_F(readerTray, ATextTheCharacterDidNotTakeStaysForTheNextTick)
{
    startInTray();
    agent.log().failOn("Speak", "Die Figur antwortet nicht.");
    copied.copy("Hallo");
    ASSERT_TRUE(tick());
    EXPECT_EQ(field()->text(), "Hallo");
    EXPECT_TRUE(copied.written().isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty()) << "a failing tick ends without a message";

    agent.log().clearFailures();
    forgetRequests();
    ASSERT_TRUE(tick());
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\Hallo" }));
    EXPECT_EQ(copied.written(), QStringList({ "" }));
}

TEST_F(readerTray, ATextSpokenBeforeHidingFailedIsNotSpokenAgain)
{
    startInTray();
    agent.log().failOn("Hide", "Die Figur antwortet nicht.");
    copied.copy("Hallo");
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\Hallo" }));
    EXPECT_EQ(copied.written(), QStringList({ "" }));
}

TEST_F(readerTray, ATextThatCouldNotBeTakenOffTheClipboardIsReadOnlyOnce)
{
    startInTray();
    copied.setKeepsOwnText(true);
    copied.copy("Hallo");
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\Hallo" }));
    EXPECT_EQ(copied.written(), QStringList({ "", "" })) << "emptying is tried again";

    // Once the clipboard let go and was seen empty, the same words copied anew are read
    // again. (Back right after the emptying, they would count as put back by a manager.)
    copied.setKeepsOwnText(false);
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());
    copied.copy("Hallo");
    ASSERT_TRUE(tick());
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\Hallo", "\\Spd=150\\Hallo" }));
}

TEST_F(readerTray, AClipboardManagerPuttingTheTextBackGetsEachCopiedTextReadOnce)
{
    startInTray();
    copied.setPutsBackLastText(true);
    copied.copy("Hallo");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(tick());
    copied.copy("Welt");
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(tick());
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=150\\Hallo", "\\Spd=150\\Welt" }));
    // The text put back is left to the manager: emptying it again would only start a tug of
    // war over the clipboard.
    EXPECT_EQ(copied.written(), QStringList({ "", "" }));
    EXPECT_EQ(copied.text(), QString("Welt"));
}

TEST_F(readerTray, AHugeTextIsReadUpToTheBoundThenTheUserHearsWhyAndTheClipboardKeepsItAll)
{
    startInTray();
    const int limit = suite::reader::spoken::clipboardTextLimit;
    const QString huge = QString(limit + 100, QChar('a'));
    copied.copy(huge);
    ASSERT_TRUE(tick());
    EXPECT_EQ(field()->text().size(), limit);
    ASSERT_EQ(spoken().size(), 2);
    EXPECT_EQ(spoken().at(0), "\\Spd=150\\" + field()->text());
    EXPECT_TRUE(spoken().at(1).startsWith("\\Spd=150\\Der kopierte Text war 2.000.100 Zeichen "
                                          "lang; gelesen wurden nur die ersten 2.000.000 Zeichen."))
        << qPrintable(spoken().at(1));
    EXPECT_EQ(requests().last(), "Hide");
    EXPECT_TRUE(field()->toolTip().contains("2.000.100")) << qPrintable(field()->toolTip());
    EXPECT_TRUE(copied.written().isEmpty()) << "the clipboard keeps the whole text";

    // It is read once, however long it stays.
    ASSERT_TRUE(tick());
    EXPECT_EQ(spoken().size(), 2);

    // A text within the bound takes the remark away again.
    copied.copy("kurz");
    ASSERT_TRUE(tick());
    EXPECT_TRUE(field()->toolTip().isEmpty());
    EXPECT_EQ(spoken().last(), "\\Spd=150\\kurz");
}

TEST_F(readerTray, TheCutNeverSplitsACharacterBeyondSixteenBits)
{
    startInTray();
    const int limit = suite::reader::spoken::clipboardTextLimit;
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    copied.copy(QString(limit - 1, QChar('a')) + clef + "b");
    ASSERT_TRUE(tick());
    EXPECT_EQ(field()->text(), QString(limit - 1, QChar('a')));
}

TEST_F(readerTray, AClickOnTheIconOpensTheMenuOnceAndTheNewTipShowsAfterTheNextHide)
{
    startInTray();
    int opened = 0;
    QObject::connect(menu(), &QMenu::aboutToShow, [&opened] { ++opened; });
    bool menuWasOpen = false;
    clickIcon([&](QMenu& open) {
        menuWasOpen = &open == menu();
        // More clicks while the menu is open do nothing.
        QTest::mouseClick(icon(), Qt::LeftButton);
        QTest::mouseClick(icon(), Qt::LeftButton);
        open.close();
    });
    EXPECT_TRUE(menuWasOpen);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(window()->tray().tip(), "Sprachausgabe aktiv !");
    EXPECT_EQ(window()->tray().shownTip(), "Sprachausgabe") << "the record changes, not the icon";

    chooseFromIconMenu(1);
    click("Command10");
    EXPECT_EQ(window()->tray().shownTip(), "Sprachausgabe aktiv !");
    EXPECT_EQ(icon()->toolTip(), "Sprachausgabe aktiv !");

    // The menu works again after it closed.
    chooseFromIconMenu(1);
    EXPECT_EQ(opened, 3);
}

TEST_F(readerTray, ARightClickOnTheIconDoesNothing)
{
    startInTray();
    bool menuOpened = false;
    clickIcon(
        [&](QMenu& open) {
            menuOpened = true;
            open.close();
        },
        Qt::RightButton);
    EXPECT_FALSE(menuOpened);
    EXPECT_EQ(window()->tray().tip(), "Sprachausgabe aktiv !");
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(readerTray, TheMenuStopsTestsInformsAndEnds)
{
    startInTray();
    EXPECT_EQ(menu()->actions().size(), 5);

    chooseFromIconMenu(0); // "Sprachausgabe stoppen"
    EXPECT_EQ(requests(), QStringList({ "StopAll" }));

    forgetRequests();
    chooseFromIconMenu(2); // "Test"
    EXPECT_TRUE(field()->text().startsWith("Blaukraut"));
    ASSERT_EQ(spoken().size(), 1);
    EXPECT_EQ(spoken().at(0), "\\Spd=150\\" + QString(field()->text()).replace("\n", "\r\n"));
    EXPECT_FALSE(window()->isVisible()) << "the test runs in tray mode";

    chooseFromIconMenu(3); // "Info"
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].title, "Sprachausgabe - Info");

    chooseFromIconMenu(4); // "Beenden"
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(window(), nullptr);
}

TEST_F(readerTray, EndingInTrayModeTakesTheIconAwayAndReadsNothingMore)
{
    startInTray();
    const suite::Tray& tray = window()->tray();
    EXPECT_TRUE(tray.isShown());
    QTimer* watch = timer();
    closeWindow();
    EXPECT_FALSE(tray.isShown());
    EXPECT_FALSE(watch->isActive());
    EXPECT_EQ(quits, 1);
}

TEST_F(readerTray, TheWindowsOwnClipboardIsTheSystemsSkipsPicturesAndFilesAndSeesEachNewPicture)
{
    suite::reader::SystemClipboard system;
    QGuiApplication::clipboard()->setText("Hallo");
    EXPECT_EQ(system.text(), QString("Hallo"));

    auto* picture = new QMimeData;
    QImage grey(4, 4, QImage::Format_RGB32);
    grey.fill(Qt::gray);
    picture->setImageData(grey);
    QGuiApplication::clipboard()->setMimeData(picture);
    EXPECT_EQ(system.text(), std::nullopt);
    // The picture is kept while it stays on the clipboard; a new one is seen.
    EXPECT_EQ(system.image().pixelColor(0, 0), QColor(Qt::gray));
    auto* other = new QMimeData;
    QImage white(4, 4, QImage::Format_RGB32);
    white.fill(Qt::white);
    other->setImageData(white);
    QGuiApplication::clipboard()->setMimeData(other);
    EXPECT_EQ(system.image().pixelColor(0, 0), QColor(Qt::white));

    auto* files = new QMimeData;
    files->setUrls({ QUrl::fromLocalFile("/tmp/a.txt") });
    QGuiApplication::clipboard()->setMimeData(files);
    EXPECT_EQ(system.text(), std::nullopt);

    auto* link = new QMimeData;
    link->setUrls({ QUrl("https://example.org/") });
    link->setText("https://example.org/");
    QGuiApplication::clipboard()->setMimeData(link);
    EXPECT_EQ(system.text(), QString("https://example.org/"));
}

TEST_F(readerTray, WithTextInPicturesACopiedPictureIsReadLikeATextOnceAndStopEndsTheReading)
{
    // Off, as it starts: a copied picture is left alone.
    startInTray();
    copied.copyPicture(suite::test::textPicture(suite::test::GermanSentence));
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());
    EXPECT_TRUE(requests().isEmpty());
    closeWindow();

    writeIni("[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n[Bildtext]\r\nVorlesen=1\r\n");
    startInTray();
    ASSERT_TRUE(control<QCheckBox>("chkBildtext")->isChecked());
    copied.copyPicture(suite::test::textPicture(suite::test::GermanSentence));
    const QString tag = "\\Spd=150\\";
    const auto sentenceSpoken = [&] {
        const QStringList texts = spoken();
        return std::count_if(texts.begin(), texts.end(), [&](const QString& text) {
            return suite::test::wordsOf(text.mid(tag.size()))
                == suite::test::wordsOf(suite::test::GermanSentence);
        });
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return sentenceSpoken() == 1; }, 60000));
    EXPECT_EQ(
        suite::test::wordsOf(field()->text()), suite::test::wordsOf(suite::test::GermanSentence));
    EXPECT_EQ(requests().last(), "Hide");
    EXPECT_TRUE(copied.written().isEmpty()) << "the picture stays on the clipboard";
    ASSERT_TRUE(tick());
    ASSERT_TRUE(tick());
    EXPECT_EQ(sentenceSpoken(), 1) << "read once";

    // Stop while the next picture is read: nothing of it is heard.
    forgetRequests();
    copied.copyPicture(suite::test::textPicture(suite::test::GermanSentence, true));
    ASSERT_TRUE(tick());
    control<QAction>("mnuStop")->trigger();
    QTest::qWait(3000);
    EXPECT_EQ(sentenceSpoken(), 0) << qPrintable(requests().join(" | "));
}
