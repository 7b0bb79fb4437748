// lautzwerg, the Genie edition: every way in which it differs from lautbote, driven through
// the same window.
#include "FakeClipboard.h"
#include "ReaderFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

using suite::MessageBoxes;
using suite::test::FakeClipboard;
using suite::test::ReaderFixture;

namespace {

const QString kGenieGreeting = QStringLiteral(
    "Guten Tag mein Herr, bist Du zu Hause ? Ich bin der Flaschengeist, Dein persönlicher "
    "Zauberer ! Ich spreche Dir Text vor, der vorher in die Zwischenablage kopiert wurde. Ich "
    "bin für Dich bereit. Für weitere Informationen klicke auf das Symbol neben der Uhr !");

class readerGenie : public ReaderFixture {
protected:
    readerGenie() { edition = suite::reader::ReaderEdition::lautzwerg(); }

    suite::reader::Clipboard& clipboardSeam() override { return copied; }

    // Starts, opens the window and forgets the start's requests.
    void startShown()
    {
        ASSERT_TRUE(start());
        forgetRequests();
    }

    FakeClipboard copied;
};

} // namespace

TEST_F(readerGenie, EveryStartLoadsTheGenieGreetsAsTheFlaschengeistAndHides)
{
    ASSERT_TRUE(start(false));
    EXPECT_EQ(requests(),
        QStringList({ "LoadCharacter(genie.acs, genie.acs)", "GetCharacter(genie.acs)",
            "SetLanguage(1031)", "Show", "MoveTo(300, 300)", "Play(DoMagic2)", "Play(GetAttention)",
            "Play(Wave)", "Play(Blink)", "Speak(" + kGenieGreeting + ")", "Play(Process)",
            "Play(Restpose)", "MoveTo(10, 10)", "Hide" }));
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(window()->tray().isShown());
    EXPECT_EQ(window()->tray().shownTip(), "Sprachausgabe");
    EXPECT_EQ(window()->characterName(), "genie.acs");
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(readerGenie, EveryExitSaysFarewellWaitsWritesNoSettingsAndKeepsTheGenie)
{
    startShown();
    // A character that never reports the farewell done is waited for twenty seconds at most.
    agent.character("genie.acs")->setBusy([] { return true; });
    const QDateTime closing = clock.now();
    closeWindow();
    EXPECT_EQ(requests(),
        QStringList({ "Show", "Speak(Tschüss. ich gehe zurück in meine Flasche)", "Hide" }));
    EXPECT_GE(closing.msecsTo(clock.now()), 20000);
    EXPECT_LT(closing.msecsTo(clock.now()), 21000);
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(QDir(programDir.path()).entryList(QDir::Files).isEmpty()) << "no settings file";
}

TEST_F(readerGenie, TheWindowHasItsOwnCaptionSizeAndFewerControls)
{
    startShown();
    EXPECT_EQ(window()->windowTitle(), "Sprachausgabe");
    const double perPixel = 1440.0 / window()->screen()->logicalDotsPerInchX();
    const auto px = [perPixel](int twips) { return qRound(twips / perPixel); };
    EXPECT_EQ(window()->size(), QSize(px(7785), px(6390)));
    for (const char* missing :
        { "Frame6", "Check1", "Check2", "HScroll1", "Label2", "cmbAgent", "filAgents" })
        EXPECT_EQ(window()->findChild<QWidget*>(missing), nullptr) << missing;

    EXPECT_EQ(control("Frame4")->geometry(), QRect(px(240), px(120), px(2775), px(735)));
    EXPECT_EQ(control<QRadioButton>("Option30")->text(), "Deuitsch");
    EXPECT_TRUE(control<QRadioButton>("Option30")->isChecked());
    EXPECT_EQ(control<QRadioButton>("Option31")->text(), "Englisch");
    EXPECT_EQ(control<QGroupBox>("Frame5")->title(), "Sprachausgabe nach jedem eingegebenen ");
    EXPECT_EQ(control("Frame5")->geometry(), QRect(px(3120), px(120), px(3735), px(735)));
    EXPECT_EQ(control("RT1")->geometry(), QRect(px(120), px(960), px(7515), px(3135)));
    for (const char* frame : { "Frame1", "Frame2", "Frame3" })
        EXPECT_EQ(control(frame)->y(), px(4440)) << frame;
    QWidget* option = control("chkBildtext");
    EXPECT_EQ(option->geometry(), QRect(px(120), px(4140), px(3615), px(255)));
    for (QWidget* other : window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != option && other->isVisibleTo(window())) {
            EXPECT_FALSE(other->geometry().intersects(option->geometry()))
                << qPrintable(other->objectName());
        }
    }
    EXPECT_EQ(control("Command9")->pos(), QPoint(px(7320), px(240)));
    EXPECT_FALSE(control("Command9")->isEnabled());

    EXPECT_TRUE(control("Frame3")->toolTip().isEmpty());
    EXPECT_EQ(
        control<QLabel>("Label3")->text(), "Sprachausgabe mit  AgentControl, Charakter:  Genie");
    EXPECT_EQ(control("Label3")->parentWidget()->objectName(), "Frame3");
    EXPECT_EQ(control<QLabel>("Label1")->text(), "-norvak-");
    EXPECT_EQ(control("Label1")->parentWidget()->objectName(), "Frame3");
    EXPECT_EQ(window()->findChild<QAction*>("mnuStop")->text(), "Sprahausgabe stoppen");
    EXPECT_EQ(control<QMenu>("mnuPopUp")->actions().size(), 5);
}

TEST_F(readerGenie, TheSpeakingButtonsSendNoSpeedTagAndTheWholeTextNoReadAnimation)
{
    startShown();
    field()->setText("Guten Morgen");
    click("Command3");
    EXPECT_EQ(requests(), QStringList({ "StopAll", "Show", "Speak(Guten Morgen)", "Hide" }));

    forgetRequests();
    field()->selectAll();
    click("Command2");
    EXPECT_EQ(requests(), QStringList({ "StopAll", "Show", "Speak(Guten Morgen)", "Hide" }));

    forgetRequests();
    field()->selectAll();
    click("Command8");
    EXPECT_EQ(spoken(), QStringList({ "negroM netuG" }));

    forgetRequests();
    click("Test");
    ASSERT_EQ(spoken().size(), 1);
    EXPECT_EQ(spoken().at(0), QString(field()->text()).replace("\n", "\r\n"));
}

TEST_F(readerGenie, TheWatchSpeaksCopiedTextWithoutReadAnimationOrSpeedTag)
{
    ASSERT_TRUE(start(false));
    forgetRequests();
    copied.copy("Hallo");
    const int before = copied.reads();
    ASSERT_TRUE(QTest::qWaitFor([&] { return copied.reads() > before; }, 10000));
    EXPECT_EQ(requests(), QStringList({ "Show", "Speak(Hallo)", "Hide" }));
    EXPECT_EQ(field()->text(), "Hallo");
    EXPECT_EQ(copied.written(), QStringList({ "" }));
}

TEST_F(readerGenie, InfoNamesTheEarlierVersion)
{
    startShown();
    click("Command7");
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.endsWith(
        "\r\n\r\nSprachausgabe 2.4 , Codename: \"Wortwal\"\r\n\r\n-norvak-"));
    EXPECT_EQ(boxes.boxes()[0].title, "Sprachausgabe - Info");
}

TEST_F(readerGenie, EnglishSwitchesTheVoiceAndTheNextStartIsGermanAgain)
{
    startShown();
    click("Option31");
    EXPECT_EQ(requests(), QStringList({ "SetLanguage(1033)" }));
    closeWindow();

    forgetRequests();
    ASSERT_TRUE(start());
    EXPECT_TRUE(requests().contains("SetLanguage(1031)"));
    EXPECT_FALSE(requests().contains("SetLanguage(1033)"));
    EXPECT_TRUE(control<QRadioButton>("Option30")->isChecked());
}

TEST_F(readerGenie, AMissingGenieIsReportedAndTheProgramStaysInReach)
{
    agent.log().failOn("LoadCharacter", "Die Datei genie.acs fehlt.");
    ASSERT_TRUE(start(false));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("genie.acs"));
    EXPECT_TRUE(window()->tray().isShown());

    // Nothing can be spoken, and nothing fails loudly: a farewell that was not spoken is not
    // waited for.
    forgetRequests();
    const qint64 before = clock.monotonicMs();
    closeWindow();
    EXPECT_LE(clock.monotonicMs() - before, 250);
    EXPECT_EQ(quits, 1);
}

TEST_F(readerGenie, ResetRebuildsTheWindowWithTheSameGenie)
{
    startShown();
    QTest::mouseClick(field()->viewport(), Qt::LeftButton);
    click("Command9");
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(requests().contains("UnloadCharacter(genie.acs)"));
    EXPECT_TRUE(requests().contains("Speak(" + kGenieGreeting + ")"));
    EXPECT_EQ(quits, 0);
    EXPECT_NE(agent.character("genie.acs"), nullptr);
}
