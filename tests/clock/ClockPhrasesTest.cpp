#include "clock/ClockPhrases.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

namespace phrases = suite::clock::phrases;

TEST(ClockPhrases, TimeAndDateTextsAsTheLabelsShowThem)
{
    EXPECT_EQ(phrases::timeText(QTime(9, 5, 7)), "09:05:07");
    EXPECT_EQ(phrases::timeText(QTime(23, 59, 59)), "23:59:59");
    EXPECT_EQ(phrases::dateText(QDate(2026, 1, 4)), "Sonntag, der 04.01.2026");
    EXPECT_EQ(phrases::dateText(QDate(2026, 1, 10)), "Sonnabend, der 10.01.2026");
    EXPECT_EQ(phrases::dateText(QDate(2026, 12, 31)), "Donnerstag, der 31.12.2026");
    const QStringList names
        = { "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Sonnabend" };
    for (int day = 1; day <= 7; ++day)
        EXPECT_EQ(phrases::weekdayName(day), names[day - 1]);
    EXPECT_EQ(phrases::weekdayName(0), "");
    EXPECT_EQ(phrases::weekdayName(8), "");
}

TEST(ClockPhrases, TheSixPhrasesJoinTheCaptionsExactly)
{
    const QString date = "Sonntag, der 04.01.2026";
    EXPECT_EQ(phrases::startAnnouncement(date, "09", "05"),
        "Heute ist Sonntag, der 04.01.2026 . Es ist jetzt 09:05");
    EXPECT_EQ(phrases::timeOnRequest(date, "09", "05"),
        "Heute ist Sonntag, der 04.01.2026 .  Es ist jetzt 09:05");
    EXPECT_EQ(phrases::hourAnnouncement("09"), "Es ist jetzt 09 Uhr");
    EXPECT_EQ(phrases::intervalAnnouncement("09", "05"), "Es ist jetzt 09:05");
    EXPECT_EQ(phrases::alarmAnnouncement("14", "30", "00"), "Es ist jetzt 14:30 und 0 Sekunden");
    EXPECT_EQ(phrases::alarmAnnouncement("14", "31", "05"), "Es ist jetzt 14:31 und 5 Sekunden");
    EXPECT_EQ(phrases::alarmAnnouncement("14", "31", "59"), "Es ist jetzt 14:31 und 59 Sekunden");
    EXPECT_EQ(phrases::reminderMessage("Milch\nkaufen"),
        " Ich habe für Dich folgende Nachricht zur Erinnerung: \r\nMilch\nkaufen");
}

TEST(ClockPhrases, CountdownIsTheDistanceWithoutSign)
{
    EXPECT_EQ(phrases::countdown(QTime(14, 30), QTime(14, 0, 1)), "Countdown: 00:29:59");
    EXPECT_EQ(phrases::countdown(QTime(13, 0), QTime(14, 30, 6)), "Countdown: 01:30:06");
    EXPECT_EQ(phrases::countdown(QTime(0, 0), QTime(23, 59, 59)), "Countdown: 23:59:59");
    EXPECT_EQ(phrases::countdown(QTime(7, 0), QTime(7, 0)), "Countdown: 00:00:00");
    EXPECT_EQ(phrases::countdownSeconds(0), "Countdown: 00:00:00");
    EXPECT_EQ(phrases::countdownSeconds(22 * 3600 + 29 * 60 + 54), "Countdown: 22:29:54");
    EXPECT_EQ(phrases::countdownSeconds(25 * 3600 + 1), "Countdown: 25:00:01");
}

TEST(ClockPhrases, AlarmTimeMustBeEightCharactersOfAValidTime)
{
    EXPECT_EQ(phrases::parseAlarmTime("14:30:00"), QTime(14, 30, 0));
    EXPECT_EQ(phrases::parseAlarmTime("00:00:00"), QTime(0, 0, 0));
    EXPECT_EQ(phrases::parseAlarmTime("23:59:59"), QTime(23, 59, 59));
    for (const char* bad : { "", "7", "7:30:00", "14:30", "24:00:00", "12:60:00", "12:00:60",
             "12:3a:00", "12-30-00", "::::::::", "1430:000", " 4:30:00", "٠١:٣٠:٠٠" })
        EXPECT_FALSE(phrases::parseAlarmTime(QString::fromUtf8(bad)).isValid()) << bad;
    EXPECT_EQ(phrases::parseTimeOfDay("7:5"), QTime(7, 5, 0));
    EXPECT_EQ(phrases::parseTimeOfDay("23:59:30"), QTime(23, 59, 30));
    EXPECT_FALSE(phrases::parseTimeOfDay("Hallo").isValid());
    EXPECT_FALSE(phrases::parseTimeOfDay("25:00").isValid());
}

TEST(ClockPhrases, InfoTextHasItsThirteenLinesWithLineFeedAndCarriageReturn)
{
    const QStringList lines = phrases::infoText(2026).split("\n\r");
    ASSERT_EQ(lines.size(), 13);
    EXPECT_EQ(lines[0], "Die Sprach- und Alarmausgabe funktioniert auch bei ");
    EXPECT_EQ(lines[1], "verborgenem Uhrfenster.");
    EXPECT_EQ(lines[2], QString(54, '_'));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Wird das Uhrfenster verborgen, erscheint im SystemTray ein Icon.");
    EXPECT_EQ(lines[6], "Click mit linker Maustaste auf TrayIcon     -> Zeitansage");
    EXPECT_EQ(lines[7], "Click mit rechter Maustaste auf TrayIcon  -> Funktions-PopUp-Menü");
    EXPECT_EQ(lines[8], lines[2]);
    EXPECT_EQ(lines[10], "\"Die Tockwerk\";      Codename: \"Tamboro\"");
    EXPECT_EQ(lines[11], "© 2026 -norvak-");
    EXPECT_EQ(lines[12], lines[2]);
}
