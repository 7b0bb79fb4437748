#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The texts the clock shows and speaks. Every phrase is built from captions as they stand
// on the window, so what is heard always matches what is shown.
namespace suite::clock::phrases {

// "09:05:07": two-digit hours (24-hour clock), minutes and seconds.
QString timeText(const QTime& time);
// "Sonntag, der 05.01.2026": the weekday (the week starts on Sunday, Saturday is
// "Sonnabend") and the date.
QString dateText(const QDate& date);
// The weekday name of a day number 1 (Sunday) to 7 (Saturday); "" outside that range.
QString weekdayName(int dayNumber);

QString startAnnouncement(const QString& label2, const QString& hours, const QString& minutes);
QString timeOnRequest(const QString& label2, const QString& hours, const QString& minutes);
QString hourAnnouncement(const QString& hours);
QString intervalAnnouncement(const QString& hours, const QString& minutes);
// seconds: the two-digit caption; it is spoken as a whole number ("05" gives "5").
QString alarmAnnouncement(const QString& hours, const QString& minutes, const QString& seconds);
QString reminderMessage(const QString& reminder);

// The information box: lines joined by a line feed and a carriage return; the credit line
// carries the year.
QString infoText(int year);

// "Countdown: 01:02:03": the distance between the two times of day, without sign.
QString countdown(const QTime& alarm, const QTime& now);
// "Countdown: 01:02:03": so many seconds as hours, minutes and seconds (the hours may pass
// 23 on a day that is longer by a change of the clocks).
QString countdownSeconds(qint64 seconds);
// Text5 as a time of day when it is exactly eight characters "hh:mm:ss" of a valid time;
// otherwise an invalid QTime.
QTime parseAlarmTime(const QString& text);
// A looser reading for the minute buttons: "h:m" or "h:m:s" with one or two digits each.
QTime parseTimeOfDay(const QString& text);

} // namespace suite::clock::phrases
