// The option controls, "Info", and the window's controls as a user and a screen reader find
// them.
#include "ReaderFixture.h"
#include "widgets/ToggleAsClick.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

using suite::MessageBoxes;
using suite::test::ReaderFixture;

namespace {

class readerOptions : public ReaderFixture {
protected:
    void SetUp() override
    {
        suite::installToggleAsClick();
        ASSERT_TRUE(start());
        forgetRequests();
    }

    void chooseCharacter(const QString& file)
    {
        auto* list = control<QListWidget>("filAgents");
        const auto items = list->findItems(file, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    }

    void toggleThroughAccessibility(const char* name)
    {
        QAccessibleInterface* view
            = QAccessible::queryAccessibleInterface(control<QAbstractButton>(name));
        ASSERT_NE(view, nullptr);
        ASSERT_NE(view->actionInterface(), nullptr);
        view->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }
};

} // namespace

TEST_F(readerOptions, EveryControlHasItsNameCaptionTipAndAnAccessibleName)
{
    EXPECT_EQ(window()->windowTitle(), "Sprachausgabe mit MSAgent");
    EXPECT_EQ(window()->objectName(), "Agent");
    const QList<std::tuple<const char*, QString, QString>> buttons = {
        { "Command9", "R", "Reset, falls Sprachausgabe \"verklemmt\"" },
        { "Command3", "Gesamten Text", "Spricht den gesamten Text des Textfeldes." },
        { "Command6", "Open", "Eine Textdatei öffnen." },
        { "Command2", "Markierten Text", "Spricht nur den vorher markierten Text des Textfeldes." },
        { "Command4", "ClipBoard", "Zu sprechenden Text aus Zwischenablage einfügen." },
        { "Command5", "Stop", "Stoppt die Sprachausgabe." },
        { "Command10", "Verbergen",
            "Erzeugt ein TrayIcon, der Inhalt der Zwischenablage wird dann automatisch "
            "gesprochen." },
        { "Test", "Test", "" },
        { "Command7", "Info", "" },
        { "Command8", "Rückwärts", "Spricht markierten Text rückwärts." },
        { "Command1", "Beenden", "" },
        { "Option30", "Deutsch", "" },
        { "Option31", "Englisch", "" },
        { "Option1", "Wort", "Sprachausgabe nach jedem eingegebenen Wort." },
        { "Option2", "Buchstabe", "Sprachausgabe nach jedem eingegebenen Buchstaben." },
        { "Check1", "Beim ProgrammStart Begrüssungstext sprechen ?", "" },
        { "Check2", "Beim Beenden Verabschiedung sprechen ?", "" },
    };
    for (const auto& [name, caption, tip] : buttons) {
        auto* button = control<QAbstractButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption) << name;
        EXPECT_EQ(button->toolTip(), tip) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        // Option buttons of one group share one tab stop and are reached by arrow keys.
        if (!qobject_cast<QRadioButton*>(button)) {
            EXPECT_NE(button->focusPolicy() & Qt::TabFocus, 0) << name;
        }
    }
    EXPECT_EQ(control<QGroupBox>("Frame4")->title(), "Sprache wählen");
    EXPECT_EQ(control<QGroupBox>("Frame5")->title(), "Sprachausgabe nach jedem eingegebenen");
    EXPECT_EQ(control<QGroupBox>("Frame3")->toolTip(), "Liste der installierten Charakter");
    EXPECT_EQ(control<QLabel>("Label1")->text(), "-norvak-");
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Charakter wählen:");
    EXPECT_EQ(control<QComboBox>("cmbAgent")->toolTip(), "Ausgewählter Charakter");
    EXPECT_EQ(control<QListWidget>("filAgents")->toolTip(), "Liste der installierten Charakter");
    for (const char* name : { "Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "RT1",
             "HScroll1", "Label2", "cmbAgent", "filAgents" })
        EXPECT_FALSE(control(name)->accessibleName().isEmpty()) << name;
    auto* timer = window()->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_FALSE(timer->isActive());
    auto* menu = window()->findChild<QMenu*>("mnuPopUp");
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* action : menu->actions())
        items << action->objectName() + "=" + action->text();
    EXPECT_EQ(items,
        QStringList({ "mnuStop=Sprachausgabe stoppen", "mnuAnzeige=Programmfenster öffnen",
            "mnuTest=Test", "mnuInfo=Info", "mnuExit=Beenden" }));
}

TEST_F(readerOptions, ControlsLieWhereTheirTwipsSayAtTheScreensDpi)
{
    const double perPixel = 1440.0 / window()->screen()->logicalDotsPerInchX();
    const auto px = [perPixel](int twips) { return qRound(twips / perPixel); };
    EXPECT_EQ(window()->width(), px(7770));
    EXPECT_EQ(control("RT1")->geometry(), QRect(px(120), px(1440), px(7515), px(3135)));
    EXPECT_EQ(control("Command8")->geometry(), QRect(px(240), px(840), px(1335), px(375)));
    EXPECT_EQ(control("Command8")->parentWidget()->objectName(), "Frame2");
    // The option added under the speed bar lies clear of every other control.
    QWidget* option = control("chkBildtext");
    for (QWidget* other : window()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != option && other->isVisibleTo(window())) {
            EXPECT_FALSE(other->geometry().intersects(option->geometry()))
                << qPrintable(other->objectName());
        }
    }
}

TEST_F(readerOptions, ChoosingACharacterUnloadsTheOldOneAndLoadsTheNewSilently)
{
    chooseCharacter("Merlin.acs");
    EXPECT_EQ(requests(),
        QStringList({ "UnloadCharacter(Genie)", "LoadCharacter(Merlin, Merlin.acs)",
            "GetCharacter(Merlin)" }));
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Merlin");
    forgetRequests();
    field()->setText("Hallo");
    click("Command3");
    ASSERT_FALSE(agent.log().calls().isEmpty());
    EXPECT_EQ(agent.log().calls().last().target, "Merlin");
    closeWindow();
    EXPECT_TRUE(iniText().endsWith("[Charakter]\r\nC=Merlin\r\n"));
    EXPECT_TRUE(requests().contains("UnloadCharacter(Merlin)"));
}

TEST_F(readerOptions, TabbingIntoTheCharacterListKeepsTheCharacterAndArrowKeysChoose)
{
    auto* list = control<QListWidget>("filAgents");
    // Arriving by Tab makes the first file current, which must not count as a choice.
    QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(list, &tabbedIn);
    ASSERT_NE(list->currentItem(), nullptr);
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_EQ(window()->characterName(), "Genie");

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(requests(),
        QStringList({ "UnloadCharacter(Genie)", "LoadCharacter(Merlin, Merlin.acs)",
            "GetCharacter(Merlin)" }));
}

TEST_F(readerOptions, ACharacterThatFailsToLoadLeavesNoCharacterAndLaterRequestsFailQuietly)
{
    agent.log().failOn("LoadCharacter", "kaputt");
    chooseCharacter("Robby.acs");
    forgetRequests();
    field()->setText("Hallo");
    click("Command3");
    click("Option31");
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(readerOptions, TheSpeedCaptionFollowsTheScrollBarAndTheNextTextCarriesTheNewSpeed)
{
    auto* speed = control<QScrollBar>("HScroll1");
    EXPECT_EQ(speed->minimum(), 50);
    EXPECT_EQ(speed->maximum(), 250);
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_End);
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Sprechgeschwindigkeit (Worte/min): 250");
    QTest::keyClick(speed, Qt::Key_Left);
    QTest::keyClick(speed, Qt::Key_Left);
    QTest::keyClick(speed, Qt::Key_Right);
    EXPECT_EQ(speed->value(), 249);
    field()->setText("Schnell");
    click("Command3");
    EXPECT_EQ(spoken(), QStringList({ "\\Spd=249\\Schnell" }));
}

// A screen reader's toggle chooses as the user's click does.
TEST_F(readerOptions, TheLanguageOptionsSwitchTheVoiceAndAreSaved)
{
    click("Option31");
    toggleThroughAccessibility("Option30");
    EXPECT_EQ(requests(), QStringList({ "SetLanguage(1033)", "SetLanguage(1031)" }));
    click("Option31");
    closeWindow();
    EXPECT_TRUE(iniText().contains("[Sprache]\r\nL=eng\r\n"));
}

TEST_F(readerOptions, GreetingAndFarewellBoxesAreSavedAndTheGreetingIsSkippedNextTime)
{
    toggleThroughAccessibility("Check1");
    closeWindow();
    EXPECT_TRUE(iniText().contains("[Begruessung]\r\nB=0\r\n"));
    forgetRequests();
    ASSERT_TRUE(start());
    EXPECT_FALSE(requests().contains("Show"));
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
}

TEST_F(readerOptions, InfoShowsTheDescriptionOfTheProgram)
{
    click("Command7");
    ASSERT_EQ(boxes.boxes().size(), 1);
    const auto& box = boxes.boxes()[0];
    EXPECT_EQ(box.title, "Sprachausgabe - Info");
    EXPECT_EQ(box.icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(box.buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(box.text,
        "Es kann Text direkt in das Textfeld eingegeben werden. Nach jedem Leerzeichen\r\n"
        "wird das zuletzt eingegebene Wort gesprochen.Text kann auch per Drag and Drop aus "
        "anderen Anwendungen (z.B. Word oder Wordpad) in das Textfeld eingefügt werden. Oder es "
        "kann eine Textdatei (*.txt oder *.rtf) zum Sprechen geöffnet werden.\r\n\r\n"
        "Nach Click auf \"Verbergen\" wird ein TrayIcon erzeugt. Das Programm spricht dann "
        "automatisch jeden Text, der in die Zwischenablage kopiert wird. Nach Click auf das "
        "TrayIcon erscheint ein PopUp Menü.\r\n\r\n"
        "Sprachausgabe 2.5 , Codename: \"Wortwal\"\r\n\r\n-norvak-");
}

TEST_F(readerOptions, TheEchoOptionsReturnTheFocusToTheField)
{
    click("Option2");
    EXPECT_TRUE(field()->hasFocus());
    click("Option1");
    EXPECT_TRUE(field()->hasFocus());
}

TEST_F(readerOptions, BeendenClosesTheWindowAndEndsTheProgram)
{
    click("Command1");
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(window(), nullptr);
}
