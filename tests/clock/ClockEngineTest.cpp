#include "ClockTestBench.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using suite::clock::ClockEngine;
using suite::clock::ClockView;
using suite::test::ClockTestBench;

namespace {

const QString Chime = QStringLiteral("PlayChime:500");
const QString AlarmChime = QStringLiteral("PlayChime:400");

QStringList framed(const QString& phrase, const QString& chime = QString())
{
    QStringList out;
    if (!chime.isEmpty())
        out << chime;
    return out << QStringLiteral("Show") << QStringLiteral("Speak:") + phrase
               << QStringLiteral("Hide");
}

class ClockEngineTest : public ::testing::Test, protected ClockTestBench { };

TEST_F(ClockEngineTest, LoadsTheGenieInGermanAndGreetsWithDateAndTime)
{
    start(QTime(12, 7, 3), QDate(2026, 1, 4)); // a Sunday
    const QStringList ops = agent.log().ops();
    ASSERT_GE(ops.size(), 3);
    EXPECT_EQ(ops.mid(0, 3),
        QStringList(
            { "genie.acs:LoadCharacter", "genie.acs:GetCharacter", "genie.acs:SetLanguage" }));
    EXPECT_EQ(agent.log().calls().at(0).args, QJsonArray({ "genie.acs", "genie.acs" }));
    EXPECT_EQ(agent.log().calls().at(2).args, QJsonArray({ 1031 }));
    EXPECT_EQ(sequence(), framed("Heute ist Sonntag, der 04.01.2026 . Es ist jetzt 12:07"));
    const auto& face = engine->face();
    EXPECT_EQ(face.label2, "Sonntag, der 04.01.2026");
    EXPECT_EQ(face.label4, "12");
    EXPECT_EQ(face.label5, "07");
    EXPECT_EQ(face.label6, "03");
    EXPECT_EQ(face.text5, "12:07:03");
    EXPECT_EQ(engine->WindowLoading(), 0);
    EXPECT_TRUE(view.reveals.contains(ClockView::Reveal::Show));
}

TEST_F(ClockEngineTest, StartAtAnIntervalMinuteSpeaksItWithoutChimeBeforeTheGreeting)
{
    start(QTime(9, 30, 12));
    EXPECT_EQ(sequence(),
        framed("Es ist jetzt 09:30")
            + framed("Heute ist Montag, der 05.01.2026 . Es ist jetzt 09:30"));
}

TEST_F(ClockEngineTest, StartAtAFullHourGreetsOnly)
{
    start(QTime(15, 0, 0));
    EXPECT_EQ(spoken(), QStringList({ "Heute ist Montag, der 05.01.2026 . Es ist jetzt 15:00" }));
}

TEST_F(ClockEngineTest, FifteenMinutesSpeaksQuartersAndTheHourEachAfterTheChime)
{
    start(QTime(13, 59, 50));
    forget();
    runTo(QTime(15, 0, 5));
    const QStringList expected = framed("Es ist jetzt 14 Uhr", Chime)
        + framed("Es ist jetzt 14:15", Chime) + framed("Es ist jetzt 14:30", Chime)
        + framed("Es ist jetzt 14:45", Chime) + framed("Es ist jetzt 15 Uhr", Chime);
    EXPECT_EQ(sequence(), expected);
}

TEST_F(ClockEngineTest, EachIntervalSpeaksItsMultiplesAndTheHourPhraseAtMinuteZero)
{
    QStringList everyFive;
    for (int minute = 30; minute <= 55; minute += 5)
        everyFive << QStringLiteral("Es ist jetzt 10:%1").arg(minute);
    everyFive << "Es ist jetzt 11 Uhr";
    for (int minute = 5; minute <= 30; minute += 5)
        everyFive << QStringLiteral("Es ist jetzt 11:%1").arg(minute, 2, 10, QLatin1Char('0'));
    const QList<std::pair<int, QStringList>> cases = {
        { 0,
            { "Es ist jetzt 10:58", "Es ist jetzt 10:59", "Es ist jetzt 11 Uhr",
                "Es ist jetzt 11:01", "Es ist jetzt 11:02" } },
        { 1, everyFive },
        { 3, { "Es ist jetzt 10:30", "Es ist jetzt 11 Uhr", "Es ist jetzt 11:30" } },
    };
    for (const auto& [option, expected] : cases) {
        ClockTestBench bench;
        bench.start(QTime(10, 29, 30));
        bench.engine->Option1_Click(option);
        bench.forget();
        bench.runTo(option == 0 ? QTime(10, 57, 30) : QTime(10, 29, 58));
        bench.forget();
        bench.runTo(option == 0 ? QTime(11, 2, 30) : QTime(11, 30, 30), 500);
        EXPECT_EQ(bench.spoken(), expected) << "Option1(" << option << ")";
        EXPECT_EQ(bench.sequence().count(Chime), expected.size());
    }
}

TEST_F(ClockEngineTest, LabelsFollowTheTimeTextAndTheBoxFollowsTheClock)
{
    start(QTime(9, 4, 58));
    runTo(QTime(9, 5, 7), 100);
    EXPECT_EQ(engine->face().label4, "09");
    EXPECT_EQ(engine->face().label5, "05");
    EXPECT_EQ(engine->face().label6, "07");
    EXPECT_EQ(engine->face().text5, "09:05:07");
    clock->advanceMs(2000);
    engine->Form_Paint();
    EXPECT_EQ(engine->face().label6, "09");
}

TEST_F(ClockEngineTest, AlarmOptionSilencesTheHourButStillShowsTheWindow)
{
    start(QTime(13, 59, 0));
    engine->Option2_Click();
    forget();
    view.reveals.clear();
    runTo(QTime(14, 16, 0));
    EXPECT_TRUE(sequence().isEmpty()) << sequence().join(" | ").toStdString();
    EXPECT_EQ(view.reveals, QList<ClockView::Reveal>({ ClockView::Reveal::Show }));
}

TEST_F(ClockEngineTest, AlarmWithZeroSecondsRingsAtItsSecondAndSpeaksZeroSeconds)
{
    start(QTime(14, 29, 0));
    arm("14:30:00");
    forget();
    runTo(QTime(14, 29, 59, 900), 100);
    EXPECT_TRUE(sequence().isEmpty());
    EXPECT_EQ(engine->AlarmActive(), 1);
    runTo(QTime(14, 30, 0), 100);
    EXPECT_EQ(sequence(),
        QStringList({ AlarmChime, "Show", "Speak:Es ist jetzt 14:30 und 0 Sekunden", "Hide" }));
    EXPECT_EQ(engine->AlarmActive(), 0);
    EXPECT_EQ(engine->face().selectedOption, 2);
    EXPECT_FALSE(engine->face().label1Visible);
    EXPECT_FALSE(engine->face().label7Visible);
    EXPECT_FALSE(engine->face().mnuAlarmVisible);
    EXPECT_EQ(view.focus, "Option12");
    EXPECT_TRUE(view.reveals.contains(ClockView::Reveal::Restore));
    runTo(QTime(14, 31, 30), 100);
    EXPECT_EQ(spoken().size(), 1) << "no second firing";
}

// The alarm is a point in time: the seconds before midnight and midnight itself ring like
// any other, once, and the countdown counts to that point.
TEST_F(ClockEngineTest, AlarmsAtTheEndAndStartOfTheDayRingOnceAtTheirSecond)
{
    start(QTime(23, 59, 40));
    arm("00:00:00");
    tickAfter(100);
    EXPECT_EQ(engine->face().label7, "Countdown: 00:00:20");
    forget();
    runTo(QTime(23, 59, 59, 900), 100);
    EXPECT_TRUE(spoken().isEmpty());
    runTo(QTime(0, 0, 0), 100);
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 00:00 und 0 Sekunden" }));
    EXPECT_EQ(engine->AlarmActive(), 0);
    runTo(QTime(0, 1, 0), 100);
    EXPECT_EQ(spoken().size(), 1) << "rang once";

    start(QTime(22, 0, 0));
    arm("23:59:59");
    tickAfter(1000);
    EXPECT_EQ(engine->face().label7, "Countdown: 01:59:58");
    forget();
    runTo(QTime(23, 59, 58), 1000);
    EXPECT_TRUE(spoken().isEmpty());
    runTo(QTime(23, 59, 59), 100);
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 23:59 und 59 Sekunden" }));
    runTo(QTime(0, 0, 5), 100);
    EXPECT_EQ(
        spoken(), QStringList({ "Es ist jetzt 23:59 und 59 Sekunden", "Es ist jetzt 00 Uhr" }))
        << "rang once, and the clock is back to its announcements";
}

TEST_F(ClockEngineTest, ReminderFollowsTheAlarmInTheSameFrameAndIsThenCleared)
{
    start(QTime(7, 0, 30));
    arm("07:01:05", "Zahnarzt\num acht");
    forget();
    runTo(QTime(7, 1, 10), 100);
    EXPECT_EQ(sequence(),
        QStringList({ AlarmChime, "Show", "Speak:Es ist jetzt 07:01 und 5 Sekunden",
            "Speak: Ich habe für Dich folgende Nachricht zur Erinnerung: \r\n"
            "Zahnarzt\num acht",
            "Hide", "Hide" }));
    EXPECT_TRUE(engine->face().text1.isEmpty());
}

// Ringing a just-armed alarm whose time of day has passed would ring an alarm set at 23:50
// for 00:05 at once; such a time means tomorrow, also after an alarm has rung.
TEST_F(ClockEngineTest, AnAlarmForATimeAlreadyPastTodayWaitsForTomorrow)
{
    start(QTime(14, 29, 0));
    arm("14:30:00");
    runTo(QTime(14, 30, 5));
    forget();
    arm("14:00:00");
    runTo(QTime(13, 59, 59), 60 * 1000);
    EXPECT_TRUE(spoken().isEmpty());
    EXPECT_EQ(engine->face().label7, "Countdown: 00:00:01");
    runTo(QTime(14, 0, 0), 1000);
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 14:00 und 0 Sekunden" }));
    EXPECT_EQ(clock->now().date(), QDate(2026, 1, 6));
}

TEST_F(ClockEngineTest, AnAlarmPutPastMidnightWithTheMinuteButtonsFiresAfterMidnight)
{
    start(QTime(23, 50, 0));
    engine->Option2_Click();
    engine->Command4_Click();
    EXPECT_EQ(engine->face().text5, "00:05:00");
    engine->Command5_Click();
    tickAfter(1000);
    EXPECT_EQ(engine->face().label7, "Countdown: 00:14:59");
    forget();
    runTo(QTime(0, 4, 59), 100);
    EXPECT_TRUE(spoken().isEmpty());
    runTo(QTime(0, 5, 0), 100);
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 00:05 und 0 Sekunden" }));
}

TEST_F(ClockEngineTest, CountdownShowsTheDistanceWithoutSign)
{
    start(QTime(14, 0, 0));
    tickAfter(100);
    EXPECT_EQ(engine->face().label7, "Countdown: 14:00:00") << "no alarm: time since midnight";
    arm("14:30:00");
    EXPECT_TRUE(engine->face().label7Visible);
    tickAfter(1000);
    EXPECT_EQ(engine->face().label7, "Countdown: 00:29:59");
    runTo(QTime(14, 30, 5));
    arm("13:00:00"); // past: waits for tomorrow and counts down to it
    tickAfter(1000);
    EXPECT_EQ(engine->face().label7, "Countdown: 22:29:54");
}

TEST_F(ClockEngineTest, MinimizedWindowWithArmedAlarmCarriesTheAlarmInItsTitle)
{
    start(QTime(8, 0, 0));
    arm("09:15:00");
    view.minimized = true;
    tickAfter(1000);
    EXPECT_EQ(engine->face().caption, "Alarm: 09:15:00");
    view.minimized = false;
    tickAfter(1000);
    EXPECT_EQ(engine->face().caption, "Die Tockwerk");
}

// While a chime holds the program up, timers come due: those ticks must neither announce the
// same minute again nor start a second firing of the alarm.
TEST_F(ClockEngineTest, TicksDuringTheChimeDoNotAnnounceTheMinuteAgain)
{
    start(QTime(11, 59, 59));
    engine->Option1_Click(0);
    int ticksInside = 0;
    chimes.whilePlaying = [&](int) {
        for (int i = 0; i < 36; ++i) {
            tickAfter(100);
            ++ticksInside;
        }
    };
    view.duringPause = [&] { tickAfter(100); };
    forget();
    runTo(QTime(12, 1, 10), 100);
    EXPECT_GT(ticksInside, 0);
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 12 Uhr", "Es ist jetzt 12:01" }));
    EXPECT_EQ(sequence().count(Chime), 2);
}

TEST_F(ClockEngineTest, TicksDuringTheFiringDoNotFireTheAlarmTwice)
{
    start(QTime(6, 59, 0));
    arm("07:00:00", "Aufstehen");
    chimes.whilePlaying = [&](int) {
        for (int i = 0; i < 21; ++i)
            tickAfter(100);
    };
    view.duringPause = [&] { tickAfter(100); };
    forget();
    runTo(QTime(7, 0, 10), 100);
    EXPECT_EQ(sequence().count(AlarmChime), 1);
    EXPECT_EQ(spoken().size(), 2) << spoken().join(" | ").toStdString();
}

TEST_F(ClockEngineTest, AMinuteThatPassesDuringALongChimeIsAnnouncedAfterIt)
{
    start(QTime(12, 0, 59));
    engine->Option1_Click(0);
    bool longChime = true;
    chimes.whilePlaying = [&](int) {
        if (!longChime)
            return;
        longChime = false;
        for (int i = 0; i < 620; ++i) // the program held up past the next minute
            tickAfter(100);
    };
    forget();
    runTo(QTime(12, 2, 10), 100);
    EXPECT_EQ(spoken(), QStringList({ "Es ist jetzt 12:01", "Es ist jetzt 12:02" }));
}

TEST_F(ClockEngineTest, WithoutTheCharacterTheClockTicksChimesAndSkipsTheRequests)
{
    QTemporaryDir folder;
    const QString transcript = folder.filePath("transcript.jsonl");
    qputenv("SPRACHAUSGABE_SPEECH_LOG", transcript.toUtf8());
    agent.log().failOn("LoadCharacter", "Charakterdatei nicht gefunden");
    start(QTime(13, 59, 58));
    EXPECT_FALSE(engine->hasCharacter());
    forget();
    runTo(QTime(14, 0, 2));
    EXPECT_EQ(sequence(), QStringList({ Chime }));
    EXPECT_EQ(engine->face().label4, "14");
    engine->Command1_Click();
    arm("14:00:05");
    runTo(QTime(14, 0, 7));
    EXPECT_EQ(sequence(), QStringList({ Chime, AlarmChime }));
    qunsetenv("SPRACHAUSGABE_SPEECH_LOG");

    QFile file(transcript);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QStringList skippedSpeech;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QJsonObject entry = QJsonDocument::fromJson(line).object();
        if (entry.value("op").toString() == "Speak") {
            EXPECT_FALSE(entry.value("error").toString().isEmpty());
            EXPECT_EQ(entry.value("character").toString(), "genie.acs");
            skippedSpeech << entry.value("args").toArray().at(0).toString();
        }
    }
    EXPECT_EQ(skippedSpeech,
        QStringList({ "Heute ist Montag, der 05.01.2026 . Es ist jetzt 13:59",
            "Es ist jetzt 14 Uhr", "Heute ist Montag, der 05.01.2026 .  Es ist jetzt 14:00",
            "Es ist jetzt 14:00 und 5 Sekunden" }));
}

TEST_F(ClockEngineTest, TrayTipNamesTheArmedAlarm)
{
    start(QTime(10, 0, 0));
    EXPECT_EQ(engine->trayTip("alt"), "Norvak's Tockwerk");
    engine->Option2_Click();
    EXPECT_EQ(engine->trayTip("alt"), "alt") << "alarm being set: unchanged";
    engine->Text5_Change("10:45:30");
    engine->Command5_Click();
    EXPECT_EQ(engine->trayTip("alt"), "Alarm aktiv! Alarm um: 10:45:30");
    engine->Option1_Click(1);
    EXPECT_EQ(engine->trayTip("alt"), "Norvak's Tockwerk");
}

} // namespace
