// The option group, the alarm-time box with its minute buttons, arming and disarming.
#include "clock/ClockEngine.h"

#include "clock/ClockPhrases.h"
#include "core/Clock.h"

namespace suite::clock {

void ClockEngine::Option1_Click(int index)
{
    if (index < 0 || index > 3)
        return;
    m_face.selectedOption = index;
    m_face.mnuAlarmVisible = false;
    m_face.intervalEntriesEnabled = true;
    for (size_t i = 0; i < m_face.intervalChecked.size(); ++i)
        m_face.intervalChecked[i] = static_cast<int>(i) == index;
    m_face.label7Visible = false;
    m_alarmActive = 0;
    m_face.label1Visible = false;
    m_view.present();
}

void ClockEngine::Option2_Click()
{
    m_face.selectedOption = AlarmOption;
    m_face.intervalChecked.fill(false);
    m_face.intervalEntriesEnabled = false;
    m_face.widthTwips = WideWidth;
    m_view.present();
}

void ClockEngine::selectInterval(int index)
{
    Option1_Click(index);
}

void ClockEngine::Text5_Change(const QString& text)
{
    m_face.text5 = Text5_Filter(text);
}

void ClockEngine::Text1_Change(const QString& text)
{
    m_face.text1 = text;
}

void ClockEngine::Text5_Click()
{
    m_face.command5Enabled = true;
    m_view.present();
}

QString ClockEngine::Text5_Filter(const QString& text)
{
    QString kept;
    for (const QChar c : text) {
        if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(':'))
            kept += c;
    }
    return kept.left(8);
}

void ClockEngine::addMinutes(int minutes)
{
    QTime base = phrases::parseTimeOfDay(m_face.text5);
    // Text that is no time of day (pasted) counts from now, so the button still gives a
    // usable alarm time.
    if (!base.isValid())
        base = nowTime();
    m_face.text5 = phrases::timeText(base.addSecs(minutes * 60));
    m_face.command5Enabled = true;
    m_view.present();
}

void ClockEngine::Command5_Click()
{
    {
        // No tick may run inside this pause; the message box below lets them run again.
        const BusyScope busy(m_busy);
        m_view.letMessagesRun();
    }
    const QString text = m_face.text5;
    const QTime alarm = phrases::parseAlarmTime(text);
    if (alarm.isValid()) {
        m_face.label1 = QStringLiteral("Alarmausgabe um: ") + text;
        m_face.label1Visible = true;
        m_alarmActive = 1;
        m_alarmTime = alarm;
        // A time already past today means tomorrow: ringing at once would ring an alarm set
        // at 23:50 for 00:05 straight away.
        const QDateTime now = nowDateTime();
        const QDate day = alarm < now.time() ? now.date().addDays(1) : now.date();
        m_alarmDue = QDateTime(day, alarm);
        if (!m_alarmDue.isValid()) // a time the clocks skip that day: as long after midnight
            m_alarmDue = day.startOfDay().addSecs(QTime(0, 0).secsTo(alarm));
        m_face.label7Visible = true;
        m_face.mnuAlarmVisible = true;
        m_face.widthTwips = NarrowWidth;
    } else {
        m_view.showMessage(QStringLiteral("Die eingegebene Uhrzeit ist nicht gültig."));
        m_face.text5 = phrases::timeText(nowTime());
        m_alarmTime = QTime(0, 0);
        m_alarmActive = 0;
    }
    m_face.command5Enabled = false;
    m_view.present();
}

void ClockEngine::Command6_Click()
{
    m_alarmActive = 0;
    Option1_Click(2);
    m_view.giveFocus(QStringLiteral("Option12"));
    m_face.label1Visible = false;
    m_face.widthTwips = NarrowWidth;
    m_view.present();
}

} // namespace suite::clock
