#pragma once

#include "clock/ClockView.h"

#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>
#include <optional>

namespace suite {
class AgentControl;
class Character;
class Clock;
} // namespace suite

namespace suite::clock {

class ChimePlayer;

// Everything the window shows, as the logic last left it. The window copies it onto its
// widgets in ClockView::present().
struct ClockFace {
    QString label1 = QStringLiteral("Alarmausgabe um:");
    bool label1Visible = false;
    QString label2;
    QString label4 = QStringLiteral("Labeel4");
    QString label5 = QStringLiteral("Label5");
    QString label6 = QStringLiteral("00");
    QString label7 = QStringLiteral("Countdown 00:00:00");
    bool label7Visible = false;
    QString text5;
    QString text1;
    bool command5Enabled = false;
    // 0 to 3: Option1(index) (1, 5, 15, 30 min); AlarmOption: Option2.
    int selectedOption = 2;
    std::array<bool, 4> intervalChecked { false, false, true, false };
    bool intervalEntriesEnabled = true;
    bool mnuAlarmVisible = false;
    int widthTwips = 4480;
    QString caption = QStringLiteral("Die Tockwerk");
};

// The talking clock without its widgets: the tick, the hour and interval
// announcements, the alarm with its input, and the phrases spoken through the character.
// The window forwards every event to the handler of the same name and shows face().
//
// The tick's work never nests. Timer1_Timer, and every handler that plays a chime or lets
// waiting events run, holds the busy count; a tick that comes while it is held (from inside
// the chime's wait or the pause of the alarm) returns at once and changes nothing. The next
// tick after the handler catches up, and a label runs its change handler only when its
// caption really changes, so each minute is announced at most once and an alarm fires once.
class ClockEngine {
public:
    static constexpr int AlarmOption = 4;
    static constexpr int NarrowWidth = 4480;
    static constexpr int WideWidth = 8865;

    ClockEngine(const Clock& clock, AgentControl& agent, ChimePlayer& chimes, ClockView& view);

    // Loads the character, fills the labels (their change handlers run) and greets. The
    // window starts Timer1 afterwards.
    void Form_Load();
    void Timer1_Timer();
    void Form_Paint();

    void Command1_Click();
    void Option1_Click(int index);
    void Option2_Click();
    void mnuEins_Click() { selectInterval(0); }
    void mnuFünf_Click() { selectInterval(1); }
    void mnuFünz_Click() { selectInterval(2); }
    void mnuDreissig_Click() { selectInterval(3); }

    // The user changed the alarm-time box or the reminder box.
    void Text5_Change(const QString& text);
    void Text1_Change(const QString& text);
    void Text5_Click();
    // What the alarm-time box may hold of a text, however it arrived (typed, pasted, from an
    // input method or a screen reader): its digits and colons, at most eight characters.
    static QString Text5_Filter(const QString& text);
    void Command2_Click() { addMinutes(1); }
    void Command3_Click() { addMinutes(5); }
    void Command4_Click() { addMinutes(15); }
    void Command5_Click();
    void Command6_Click();

    // The tray tip after a notification: the alarm while one is armed, the program's name
    // while no alarm is chosen, else current unchanged.
    QString trayTip(const QString& current) const;

    const ClockFace& face() const { return m_face; }
    int AlarmActive() const { return m_alarmActive; }
    std::optional<QTime> AlarmTime() const { return m_alarmTime; }
    // When the armed alarm rings: the next coming of its time of day after it was armed.
    const QDateTime& alarmDue() const { return m_alarmDue; }
    int WindowLoading() const { return m_windowLoading; }
    bool alarmOptionSelected() const { return m_face.selectedOption == AlarmOption; }
    bool hasCharacter() const { return m_genie != nullptr; }

    static const QString& characterFile();
    static const QString& programTip();

private:
    class BusyScope {
    public:
        explicit BusyScope(int& count)
            : m_count(count)
        {
            ++m_count;
        }
        ~BusyScope() { --m_count; }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        int& m_count;
    };

    QTime nowTime() const;
    QDateTime nowDateTime() const;
    void selectInterval(int index);
    void addMinutes(int minutes);
    void setLabel4(const QString& caption);
    void setLabel5(const QString& caption);
    void Label4_Change();
    void Label5_Change();
    void fireAlarm();
    void PlayChime(int soundId);
    void speakPhrase(const QString& phrase);
    void show();
    void hide();
    void speak(const QString& text);
    QTime effectiveAlarmTime() const;

    const Clock& m_clock;
    AgentControl& m_agent;
    ChimePlayer& m_chimes;
    ClockView& m_view;
    Character* m_genie = nullptr;

    ClockFace m_face;
    int m_alarmActive = 0;
    std::optional<QTime> m_alarmTime;
    QDateTime m_alarmDue;
    int m_windowLoading = 0;
    int m_busy = 0;
};

} // namespace suite::clock
