#include "FakeChimePlayer.h"
#include "clock/frmUhr.h"
#include "fakes/FakeAgentControl.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using suite::MessageBoxes;
using suite::clock::frmUhr;
using suite::test::FakeAgentControl;
using suite::test::FakeChimePlayer;
using suite::test::FakeClock;
using suite::test::FakeMessageBoxes;

namespace {

// The real window, headless, with the recording agent and a clock the test moves. Timer1
// is stopped: the test ticks by hand.
class ClockWindow : public ::testing::Test {
protected:
    ClockWindow()
        : clock(QDateTime(QDate(2026, 1, 5), QTime(10, 20, 30)))
        , window(clock, agent, chimes, boxes, [] { return false; })
    {
        window.Form_Load();
        window.findChild<QTimer*>("Timer1")->stop();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        agent.log().clear();
    }

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* found = window.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char* name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void tick(qint64 ms)
    {
        clock.advanceMs(ms);
        window.engine().Timer1_Timer();
    }
    QAction* entry(const char* name) const
    {
        return window.popupMenu()->findChild<QAction*>(QString::fromUtf8(name));
    }
    QStringList spoken() const { return agent.log().spoken(); }
    void armViaTheWindow(const QString& time)
    {
        QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
        auto* box = control<QLineEdit>("Text5");
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClicks(box, time);
        click("Command5");
    }
    // Opens the pop-up menu through the icon's right click and hands it to inspect while
    // it is open; the menu is closed afterwards.
    void withOpenMenu(const std::function<void(QMenu*)>& inspect)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu) {
                seen = true;
                inspect(menu);
                menu->close();
            }
        });
        window.tray().notify(suite::traymessage::RightButtonUp, QPoint(600, 500));
        EXPECT_TRUE(seen) << "the pop-up menu opened";
    }

    FakeClock clock;
    mutable FakeAgentControl agent;
    FakeChimePlayer chimes { agent.log() };
    FakeMessageBoxes boxes;
    frmUhr window;
};

TEST_F(ClockWindow, HasEveryControlWithCaptionToolTipAndAccessibleName)
{
    EXPECT_EQ(window.windowTitle(), "Die Tockwerk");
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    const QList<std::tuple<const char*, QString, QString>> buttons = {
        { "Command1", "Sprich", "Spricht die aktuelle Zeit" },
        { "Command7", "I", "Info" },
        { "Command8", "Verbergen", "Uhrfenster verbergen, TrayIcon erzeugen" },
        { "Command2", "+1", "plus 1 Minute" },
        { "Command3", "+5", "plus 5 minuten" },
        { "Command4", "+15", "plus 15 Minuten" },
        { "Command5", "Alarm aktivieren", "Die Alarmzeit wird gesetzt" },
        { "Command6", "ohne Alarm zurück", "die Alarmzeit wird ignoriert" },
    };
    for (const auto& [name, caption, tip] : buttons) {
        auto* button = control<QPushButton>(name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->toolTip(), tip);
        EXPECT_EQ(button->accessibleName(), caption);
    }
    const QList<std::tuple<const char*, QString, QString>> options = {
        { "Option10", "1 min", "Zeitausgabe zu jeder vollen Minute." },
        { "Option11", "5 min", "Zeitausgabe alle 5 min." },
        { "Option12", "15 min", "Zeitausgabe alle 15 min." },
        { "Option13", "30 min", "Zeitausgabe alle 30 min." },
        { "Option2", "Alarm", "Es kann eine Alarmzeit (zur Erinnerung) gesetzt werden." },
    };
    for (const auto& [name, caption, tip] : options) {
        auto* option = control<QRadioButton>(name);
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text(), caption);
        EXPECT_EQ(option->toolTip(), tip);
        EXPECT_FALSE(option->accessibleName().isEmpty());
        // The circle of the next option must not cover the caption's end, and the row
        // keeps one size of letters.
        EXPECT_LE(option->sizeHint().width(), option->width()) << name;
        EXPECT_EQ(option->font().pointSize(), control("Option2")->font().pointSize()) << name;
    }
    EXPECT_TRUE(control<QRadioButton>("Option12")->isChecked());
    for (const auto& [name, title] :
        QList<std::pair<const char*, QString>> { { "Frame1", "Time" }, { "Frame2", "Ansage jede" },
            { "Frame3", "Alarmzeit" }, { "Frame4", "Alarmtext (optional)" } })
        EXPECT_EQ(control<QGroupBox>(name)->title(), title);
    EXPECT_EQ(control<QPlainTextEdit>("Text1")->toolTip(),
        "Hier eine Alarmmeldung eingeben oder feld leer lassen.");
    EXPECT_FALSE(control<QLineEdit>("Text5")->accessibleName().isEmpty());
    EXPECT_TRUE(control<QLineEdit>("Text5")->font().bold());
    EXPECT_EQ(control<QLabel>("Label4")->font().pointSize(), 36);
    EXPECT_EQ(control<QLabel>("Label4")->text(), "10");
    EXPECT_EQ(control<QLabel>("Label5")->text(), "20");
    EXPECT_EQ(control<QLabel>("Label30")->text(), ":");
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Montag, der 05.01.2026");
    EXPECT_FALSE(control<QLabel>("Label1")->isVisible());
    EXPECT_FALSE(control<QLabel>("Label7")->isVisible());
    EXPECT_FALSE(control<QPushButton>("Command5")->isEnabled());
    EXPECT_EQ(window.popupMenu()->title(), "PopUp_Menu");
}

TEST_F(ClockWindow, WidensForTheAlarmFramesAndNarrowsWhenArmedOrLeft)
{
    const int narrow = window.px(4480 - 120);
    const int wide = window.px(8865 - 120);
    EXPECT_EQ(window.width(), narrow);
    EXPECT_EQ(window.height(), window.px(2655));
    EXPECT_FALSE(control("Frame3")->isVisible());
    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_EQ(window.width(), wide);
    EXPECT_TRUE(control("Frame3")->isVisible());
    EXPECT_TRUE(control("Frame4")->isVisible());
    EXPECT_TRUE(control("Frame4")->geometry().right() < window.width());
    click("Command6");
    EXPECT_EQ(window.width(), narrow);
    EXPECT_TRUE(control<QRadioButton>("Option12")->isChecked());
    EXPECT_TRUE(control("Option12")->hasFocus());
    armViaTheWindow("14:30:00");
    EXPECT_EQ(window.width(), narrow);
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(control<QLabel>("Label1")->text(), "Alarmausgabe um: 14:30:00");
    EXPECT_TRUE(control("Label1")->isVisible());
    EXPECT_TRUE(control("Label7")->isVisible());
}

TEST_F(ClockWindow, AlarmBoxTakesOnlyDigitsAndColonsAndTellsAboutAnInvalidTime)
{
    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    auto* box = control<QLineEdit>("Text5");
    box->clear();
    window.engine().Text5_Change(QString());
    QTest::keyClicks(box, "1a4:3x0 :0.0");
    EXPECT_EQ(box->text(), "14:30:00");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, "7");
    EXPECT_EQ(window.engine().face().text5, "14:30:07");

    box->selectAll();
    QTest::keyClicks(box, "7");
    EXPECT_FALSE(control("Command5")->isEnabled());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(control("Command5")->isEnabled());
    click("Command5");
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, "Die eingegebene Uhrzeit ist nicht gültig.");
    EXPECT_EQ(boxes.boxes()[0].title, "");
    EXPECT_EQ(boxes.boxes()[0].icon, MessageBoxes::Icon::None);
    EXPECT_EQ(boxes.boxes()[0].buttons, MessageBoxes::Buttons::Ok);
    EXPECT_EQ(box->text(), "10:20:30");
    EXPECT_FALSE(control("Command5")->isEnabled());
    click("Command4");
    EXPECT_EQ(box->text(), "10:35:30");
    EXPECT_TRUE(control("Command5")->isEnabled());
}

// However a text reaches the alarm box, it stays there (the tick does not write the box while
// the alarm is being set) and only its digits and colons, at most eight, go in.
TEST_F(ClockWindow, AlarmBoxKeepsEditsThatAreNotTypedAndFiltersEveryWayIn)
{
    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    auto* box = control<QLineEdit>("Text5");

    box->setText(QStringLiteral("07:45:00")); // what a screen reader's text edit does
    tick(1000);
    EXPECT_EQ(box->text(), "07:45:00");

    box->selectAll();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("08:1x5:00"));
    QApplication::sendEvent(box, &commit);
    tick(1000);
    EXPECT_EQ(box->text(), "08:15:00");

    QApplication::clipboard()->setText(QStringLiteral("Um 09:30:00 Uhr"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    tick(1000);
    EXPECT_EQ(box->text(), "09:30:00");

    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_B, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClicks(box, "5");
    tick(1000);
    EXPECT_EQ(box->text(), "09:30:05");
    box->setText(QStringLiteral("Mittag!"));
    EXPECT_EQ(box->text(), "");

    box->setText(QStringLiteral("12:00:00"));
    QTest::mouseClick(box, Qt::LeftButton);
    click("Command5");
    EXPECT_EQ(window.engine().AlarmActive(), 1);
    EXPECT_EQ(control<QLabel>("Label1")->text(), "Alarmausgabe um: 12:00:00");
}

TEST_F(ClockWindow, MenuCheckMarksFollowTheOptionsAndTheArmedAlarmIsTheBoldDefault)
{
    EXPECT_TRUE(entry("mnuFünz")->isChecked());
    entry("mnuEins")->trigger();
    EXPECT_TRUE(control<QRadioButton>("Option10")->isChecked());
    EXPECT_TRUE(entry("mnuEins")->isChecked());
    EXPECT_FALSE(entry("mnuFünz")->isChecked());
    QTest::mouseClick(control<QRadioButton>("Option13"), Qt::LeftButton);
    EXPECT_TRUE(entry("mnuDreissig")->isChecked());
    EXPECT_FALSE(entry("mnuEins")->isChecked());
    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    for (const char* name : { "mnuEins", "mnuFünf", "mnuFünz", "mnuDreissig" }) {
        EXPECT_FALSE(entry(name)->isChecked()) << name;
        EXPECT_FALSE(entry(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(entry("mnuAlarm")->isVisible());
    withOpenMenu([](QMenu* menu) { EXPECT_EQ(menu->defaultAction(), nullptr); });

    armViaTheWindow("14:30:00");
    EXPECT_TRUE(entry("mnuAlarm")->isVisible());
    withOpenMenu([this](QMenu* menu) {
        EXPECT_EQ(menu->defaultAction(), entry("mnuAlarm"));
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << (action->isSeparator() ? "-" : action->text());
        EXPECT_EQ(captions,
            QStringList({ "Ansage jede 1 min", "Ansage jede 5 min", "Ansage jede 15 min",
                "Ansage jede 30 min", "Alarm aktiv !", "-", "Uhr Anzeigen", "-", "Info", "-",
                "Exit" }));
    });
}

TEST_F(ClockWindow, HidingPutsTheIconUpWhoseClicksSpeakAndOpenTheMenu)
{
    click("Command8");
    EXPECT_FALSE(window.isVisible());
    ASSERT_TRUE(window.tray().isShown());
    EXPECT_EQ(window.tray().shownTip(), "Norvak's Tockwerk");
    window.tray().notify(suite::traymessage::LeftButtonUp, QPoint(600, 500));
    EXPECT_EQ(spoken(), QStringList({ "Heute ist Montag, der 05.01.2026 .  Es ist jetzt 10:20" }));
    withOpenMenu([this](QMenu*) { entry("mnuAnzeige")->trigger(); });
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.tray().isShown());
}

TEST_F(ClockWindow, AFullHourShowsTheHiddenWindowAndLeavesTheIcon)
{
    click("Command8");
    clock.advanceMs((39 * 60 + 29) * 1000); // 10:59:59
    tick(0);
    EXPECT_FALSE(window.isVisible());
    tick(1000);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.tray().isShown());
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 11 Uhr" }));
}

TEST_F(ClockWindow, TheIconTipNamesTheArmedAlarmFromTheNextAddOn)
{
    armViaTheWindow("14:30:00");
    click("Command8");
    EXPECT_EQ(window.tray().shownTip(), "Norvak's Tockwerk");
    window.tray().notify(suite::traymessage::LeftButtonUp, QPoint());
    EXPECT_EQ(window.tray().shownTip(), "Norvak's Tockwerk") << "no new tip until the next add";
    window.show();
    window.tray().remove();
    click("Command8");
    EXPECT_EQ(window.tray().shownTip(), "Alarm aktiv! Alarm um: 14:30:00");
}

TEST_F(ClockWindow, ThePointerRestingOnTheIconWritesTheTipToo)
{
    armViaTheWindow("14:30:00");
    click("Command8");
    const QStringList before = spoken();
    window.tray().notify(suite::traymessage::MouseMove, QPoint(1200, 1000));
    EXPECT_EQ(window.tray().tip(), "Alarm aktiv! Alarm um: 14:30:00");
    EXPECT_EQ(spoken(), before) << "resting is no click";
}

TEST_F(ClockWindow, TheAlarmFiringBringsTheHiddenWindowBackAndRemovesTheIcon)
{
    armViaTheWindow("10:21:00");
    click("Command8");
    clock.advanceMs(29 * 1000);
    tick(0);
    EXPECT_FALSE(window.isVisible());
    tick(1000);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.tray().isShown());
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 10:21 und 0 Sekunden" }));
    EXPECT_TRUE(control<QRadioButton>("Option12")->isChecked());
}

// The window's own mouse moves are never taken for clicks on the icon, wherever they are.
TEST_F(ClockWindow, MouseMovesOverTheWindowNeverActAsIconClicks)
{
    QTest::mouseClick(control<QRadioButton>("Option2"), Qt::LeftButton);
    for (int x : { 514, 517, 514 * 15, 517 * 15 }) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x % window.width(), 3),
            window.mapToGlobal(QPointF(x % window.width(), 3)), Qt::NoButton, Qt::NoButton,
            Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
    }
    EXPECT_TRUE(spoken().isEmpty());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(ClockWindow, InfoButtonAndMenuEntryShowTheInformationBox)
{
    click("Command7");
    ASSERT_EQ(boxes.boxes().size(), 1);
    const auto& box = boxes.boxes()[0];
    EXPECT_EQ(box.title, "Die Tockwerk   -    Info ");
    EXPECT_EQ(box.icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(box.buttons, MessageBoxes::Buttons::Ok);
    EXPECT_TRUE(box.text.startsWith("Die Sprach- und Alarmausgabe funktioniert auch bei \n\r"));
    EXPECT_TRUE(box.text.contains("\n\r© 2026 -norvak-\n\r"));
    entry("mnuInfo")->trigger();
    EXPECT_EQ(boxes.boxes().size(), 2);
}

TEST_F(ClockWindow, ClosingAsksOnlyWhileAnAlarmIsArmed)
{
    QSignalSpy closed(&window, &frmUhr::closed);
    armViaTheWindow("14:30:00");
    boxes.queueAnswer(MessageBoxes::Answer::No);
    EXPECT_FALSE(window.close());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, "Alarm aktiv ! Programm trotzdem beenden ?");
    EXPECT_EQ(boxes.boxes()[0].title, "Die Tockwerk-Info");
    EXPECT_EQ(boxes.boxes()[0].icon, MessageBoxes::Icon::Question);
    EXPECT_EQ(boxes.boxes()[0].buttons, MessageBoxes::Buttons::YesNo);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.engine().AlarmActive(), 1);
    EXPECT_EQ(closed.count(), 0);

    click("Command8");
    boxes.queueAnswer(MessageBoxes::Answer::Yes);
    entry("mnuExit")->trigger();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.tray().isShown());
}

TEST_F(ClockWindow, ClosingWithoutAnAlarmAsksNothing)
{
    QSignalSpy closed(&window, &frmUhr::closed);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(ClockWindow, MinimizedWithAnArmedAlarmTheTitleNamesIt)
{
    armViaTheWindow("14:30:00");
    window.showMinimized();
    tick(1000);
    EXPECT_EQ(window.windowTitle(), "Alarm: 14:30:00");
}

} // namespace
