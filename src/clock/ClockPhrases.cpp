#include "clock/ClockPhrases.h"

#include <QRegularExpression>
#include <QStringList>

#include <array>
#include <cstdlib>

namespace suite::clock::phrases {

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QString timeText(const QTime& time)
{
    return twoDigits(time.hour()) + u':' + twoDigits(time.minute()) + u':'
        + twoDigits(time.second());
}

QString weekdayName(int dayNumber)
{
    static const std::array<QString, 7> names = { QStringLiteral("Sonntag"),
        QStringLiteral("Montag"), QStringLiteral("Dienstag"), QStringLiteral("Mittwoch"),
        QStringLiteral("Donnerstag"), QStringLiteral("Freitag"), QStringLiteral("Sonnabend") };
    if (dayNumber < 1 || dayNumber > 7)
        return QString();
    return names[static_cast<size_t>(dayNumber - 1)];
}

QString dateText(const QDate& date)
{
    // Qt counts Monday as 1 and Sunday as 7; the names count from Sunday.
    const int dayNumber = date.dayOfWeek() % 7 + 1;
    return weekdayName(dayNumber) + QStringLiteral(", der ") + twoDigits(date.day()) + u'.'
        + twoDigits(date.month()) + u'.'
        + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString startAnnouncement(const QString& label2, const QString& hours, const QString& minutes)
{
    return QStringLiteral("Heute ist ") + label2 + QStringLiteral(" . Es ist jetzt ") + hours + u':'
        + minutes;
}

QString timeOnRequest(const QString& label2, const QString& hours, const QString& minutes)
{
    return QStringLiteral("Heute ist ") + label2 + QStringLiteral(" .  Es ist jetzt ") + hours
        + u':' + minutes;
}

QString hourAnnouncement(const QString& hours)
{
    return QStringLiteral("Es ist jetzt ") + hours + QStringLiteral(" Uhr");
}

QString intervalAnnouncement(const QString& hours, const QString& minutes)
{
    return QStringLiteral("Es ist jetzt ") + hours + u':' + minutes;
}

QString alarmAnnouncement(const QString& hours, const QString& minutes, const QString& seconds)
{
    return QStringLiteral("Es ist jetzt ") + hours + u':' + minutes + QStringLiteral(" und ")
        + QString::number(seconds.toInt()) + QStringLiteral(" Sekunden");
}

QString reminderMessage(const QString& reminder)
{
    return QStringLiteral(" Ich habe für Dich folgende Nachricht zur Erinnerung: \r\n") + reminder;
}

QString infoText(int year)
{
    const QString rule(54, u'_');
    const QStringList lines = { QStringLiteral(
                                    "Die Sprach- und Alarmausgabe funktioniert auch bei "),
        QStringLiteral("verborgenem Uhrfenster."), rule, QString(),
        QStringLiteral("Wird das Uhrfenster verborgen, erscheint im SystemTray ein Icon."),
        QString(), QStringLiteral("Click mit linker Maustaste auf TrayIcon     -> Zeitansage"),
        QStringLiteral("Click mit rechter Maustaste auf TrayIcon  -> Funktions-PopUp-Menü"), rule,
        QString(), QStringLiteral("\"Die Tockwerk\";      Codename: \"Tamboro\""),
        QStringLiteral("© %1 -norvak-").arg(year), rule };
    return lines.join(QStringLiteral("\n\r"));
}

QString countdown(const QTime& alarm, const QTime& now)
{
    const int distance = std::abs(now.secsTo(alarm));
    return QStringLiteral("Countdown: ") + timeText(QTime(0, 0).addSecs(distance));
}

QString countdownSeconds(qint64 seconds)
{
    const auto two
        = [](qint64 n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    return QStringLiteral("Countdown: ") + two(seconds / 3600) + QLatin1Char(':')
        + two(seconds / 60 % 60) + QLatin1Char(':') + two(seconds % 60);
}

QTime parseAlarmTime(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^([0-9][0-9]):([0-9][0-9]):([0-9][0-9])$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return QTime();
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return QTime();
    return QTime(hours, minutes, seconds);
}

QTime parseTimeOfDay(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return QTime();
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return QTime();
    return QTime(hours, minutes, seconds);
}

} // namespace suite::clock::phrases
