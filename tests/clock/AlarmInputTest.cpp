#include "ClockTestBench.h"
#include "clock/ClockPhrases.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

using suite::clock::ClockEngine;
using suite::test::ClockTestBench;

namespace {

class AlarmInput : public ::testing::Test, protected ClockTestBench {
protected:
    AlarmInput() { start(QTime(10, 20, 30)); }
    const suite::clock::ClockFace& face() const { return engine->face(); }
};

TEST_F(AlarmInput, TheBoxKeepsOnlyDigitsAndColonsUpToEightCharacters)
{
    EXPECT_EQ(ClockEngine::Text5_Filter("0123456789"), "01234567");
    EXPECT_EQ(ClockEngine::Text5_Filter("a1Z .4,;:-3+ä٣\t0\b"), "14:30");
    EXPECT_EQ(ClockEngine::Text5_Filter("12:30 Uhr"), "12:30");
    engine->Option2_Click();
    engine->Text5_Change("07:3o:00");
    EXPECT_EQ(face().text5, "07:3:00");
}

TEST_F(AlarmInput, ChoosingAlarmWidensTheWindowAndDisablesTheIntervalEntries)
{
    EXPECT_EQ(face().widthTwips, 4480);
    EXPECT_EQ(face().intervalChecked, (std::array<bool, 4> { false, false, true, false }));
    engine->Option2_Click();
    EXPECT_EQ(face().widthTwips, 8865);
    EXPECT_EQ(face().selectedOption, ClockEngine::AlarmOption);
    EXPECT_EQ(face().intervalChecked, (std::array<bool, 4> {}));
    EXPECT_FALSE(face().intervalEntriesEnabled);
    EXPECT_EQ(face().text5, "10:20:30") << "the box starts from the current time";
    tickAfter(5000);
    EXPECT_EQ(face().text5, "10:20:30") << "and no longer follows the clock";
    EXPECT_FALSE(face().command5Enabled);
    engine->Text5_Click();
    EXPECT_TRUE(face().command5Enabled);
}

TEST_F(AlarmInput, ArmingAValidTimeNarrowsTheWindowAndShowsTheAlarm)
{
    arm("14:30:00");
    EXPECT_EQ(engine->AlarmActive(), 1);
    EXPECT_EQ(engine->AlarmTime(), QTime(14, 30));
    EXPECT_EQ(face().label1, "Alarmausgabe um: 14:30:00");
    EXPECT_TRUE(face().label1Visible);
    EXPECT_TRUE(face().label7Visible);
    EXPECT_TRUE(face().mnuAlarmVisible);
    EXPECT_EQ(face().widthTwips, 4480);
    EXPECT_EQ(face().selectedOption, ClockEngine::AlarmOption) << "the alarm option stays";
    EXPECT_FALSE(face().command5Enabled) << "disabled again after every press";
    EXPECT_TRUE(view.messages.isEmpty());
}

TEST_F(AlarmInput, AnInvalidTimeIsRefusedWithTheMessageAndTheBoxIsReset)
{
    for (const QString bad : { "7", "", "25:00:00", "12:3:000", "1:30:00" }) {
        engine->Option2_Click();
        engine->Text5_Click();
        engine->Text5_Change(bad);
        clock->advanceMs(1000);
        engine->Command5_Click();
        EXPECT_EQ(view.messages.value(0), "Die eingegebene Uhrzeit ist nicht gültig.")
            << bad.toStdString();
        EXPECT_EQ(face().text5, suite::clock::phrases::timeText(now())) << bad.toStdString();
        EXPECT_EQ(engine->AlarmTime(), QTime(0, 0));
        EXPECT_EQ(engine->AlarmActive(), 0);
        EXPECT_FALSE(face().command5Enabled);
        EXPECT_FALSE(face().label1Visible);
        view.messages.clear();
    }
}

TEST_F(AlarmInput, MinuteButtonsAddAndWrapAtMidnight)
{
    engine->Option2_Click();
    const QList<std::tuple<QString, int, QString>> cases = {
        { "23:59:30", 2, "00:00:30" },
        { "23:50:00", 4, "00:05:00" },
        { "10:20:30", 3, "10:25:30" },
        { "7:5", 2, "07:06:00" },
        { "23:58:00", 3, "00:03:00" },
    };
    for (const auto& [before, button, after] : cases) {
        engine->Text5_Change(before);
        if (button == 2)
            engine->Command2_Click();
        else if (button == 3)
            engine->Command3_Click();
        else
            engine->Command4_Click();
        EXPECT_EQ(face().text5, after) << before.toStdString();
        EXPECT_TRUE(face().command5Enabled);
    }
}

TEST_F(AlarmInput, AMinuteButtonOnTextThatIsNoTimeCountsFromNow)
{
    engine->Option2_Click();
    engine->Text5_Change("Mittag");
    engine->Command4_Click();
    EXPECT_EQ(face().text5, "10:35:30");
    EXPECT_TRUE(face().command5Enabled);
    engine->Command5_Click();
    EXPECT_EQ(engine->AlarmTime(), QTime(10, 35, 30));
}

TEST_F(AlarmInput, BackWithoutAlarmAndIntervalChoicesDisarm)
{
    arm("11:00:00");
    engine->Option2_Click();
    engine->Command6_Click();
    EXPECT_EQ(engine->AlarmActive(), 0);
    EXPECT_EQ(face().selectedOption, 2);
    EXPECT_EQ(face().widthTwips, 4480);
    EXPECT_FALSE(face().label1Visible);
    EXPECT_EQ(view.focus, "Option12");
    EXPECT_TRUE(face().intervalEntriesEnabled);

    arm("11:00:00");
    engine->mnuDreissig_Click();
    EXPECT_EQ(engine->AlarmActive(), 0);
    EXPECT_EQ(face().selectedOption, 3);
    EXPECT_EQ(face().intervalChecked, (std::array<bool, 4> { false, false, false, true }));
    EXPECT_FALSE(face().label7Visible);
    EXPECT_FALSE(face().mnuAlarmVisible);
    engine->mnuEins_Click();
    EXPECT_EQ(face().intervalChecked, (std::array<bool, 4> { true, false, false, false }));
    engine->mnuFünf_Click();
    EXPECT_EQ(face().selectedOption, 1);
    engine->mnuFünz_Click();
    EXPECT_EQ(face().selectedOption, 2);
    forget();
    runTo(QTime(11, 0, 1));
    EXPECT_EQ(spoken(),
        QStringList({ "Es ist jetzt 10:30", "Es ist jetzt 10:45", "Es ist jetzt 11 Uhr" }))
        << "disarmed: the clock announces again";
}

} // namespace
