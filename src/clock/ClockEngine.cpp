#include "clock/ClockEngine.h"

#include "clock/ChimePlayer.h"
#include "clock/ClockPhrases.h"
#include "core/Clock.h"
#include "speech/AgentControl.h"
#include "speech/Character.h"
#include "speech/SpeechLog.h"

namespace suite::clock {

namespace {

constexpr int GermanLanguage = 1031;
constexpr std::array<int, 4> IntervalMinutes = { 1, 5, 15, 30 };

} // namespace

ClockEngine::ClockEngine(
    const Clock& clock, AgentControl& agent, ChimePlayer& chimes, ClockView& view)
    : m_clock(clock)
    , m_agent(agent)
    , m_chimes(chimes)
    , m_view(view)
{
}

const QString& ClockEngine::characterFile()
{
    static const QString name = QStringLiteral("genie.acs");
    return name;
}

const QString& ClockEngine::programTip()
{
    static const QString tip = QStringLiteral("Norvak's Tockwerk");
    return tip;
}

QDateTime ClockEngine::nowDateTime() const
{
    // Whole seconds: the clock shows, compares and speaks seconds, never their fractions.
    const QDateTime now = m_clock.now();
    const QTime time = now.time();
    return QDateTime(now.date(), QTime(time.hour(), time.minute(), time.second()));
}

QTime ClockEngine::nowTime() const
{
    return nowDateTime().time();
}

QTime ClockEngine::effectiveAlarmTime() const
{
    return m_alarmTime.value_or(QTime(0, 0));
}

void ClockEngine::Form_Load()
{
    m_windowLoading = 1;
    if (m_agent.LoadCharacter(characterFile(), characterFile()))
        m_genie = m_agent.GetCharacter(characterFile());
    if (m_genie)
        m_genie->SetLanguage(GermanLanguage);
    m_face.label2 = phrases::dateText(m_clock.now().date());

    const QString time = phrases::timeText(nowTime());
    m_face.text5 = time;
    m_alarmActive = 0;
    setLabel4(time.mid(0, 2));
    setLabel5(time.mid(3, 2));
    m_face.label6 = time.mid(6, 2);

    m_view.reveal(ClockView::Reveal::Show);
    m_view.present();
    speakPhrase(phrases::startAnnouncement(m_face.label2, m_face.label4, m_face.label5));
    m_windowLoading = 0;
}

void ClockEngine::Timer1_Timer()
{
    if (m_busy > 0)
        return;
    const BusyScope busy(m_busy);
    const QDateTime now = nowDateTime();
    const QString time = phrases::timeText(now.time());

    // An armed alarm counts down to the moment it rings; otherwise the label is hidden and
    // shows the plain distance.
    m_face.label7 = m_alarmActive == 1
        ? phrases::countdownSeconds(std::max<qint64>(0, now.secsTo(m_alarmDue)))
        : phrases::countdown(effectiveAlarmTime(), now.time());
    setLabel4(time.mid(0, 2));
    setLabel5(time.mid(3, 2));
    m_face.label6 = time.mid(6, 2);

    if (!alarmOptionSelected() && m_alarmActive == 0)
        m_face.text5 = time;

    if (alarmOptionSelected() && m_alarmActive == 1) {
        // A point in time, not a time of day: midnight and 23:59:59 ring like any other
        // second, and a clock that was held up or asleep past the moment still rings, once.
        if (now >= m_alarmDue)
            fireAlarm();
        if (m_view.isMinimized() && alarmOptionSelected())
            m_face.caption = QStringLiteral("Alarm: ") + phrases::timeText(effectiveAlarmTime());
        else
            m_face.caption = QStringLiteral("Die Tockwerk");
    }
    m_view.present();
}

void ClockEngine::Form_Paint()
{
    m_face.label6 = phrases::timeText(nowTime()).mid(6, 2);
}

void ClockEngine::setLabel4(const QString& caption)
{
    if (m_face.label4 == caption)
        return;
    m_face.label4 = caption;
    Label4_Change();
}

void ClockEngine::setLabel5(const QString& caption)
{
    if (m_face.label5 == caption)
        return;
    m_face.label5 = caption;
    Label5_Change();
}

void ClockEngine::Label4_Change()
{
    m_view.reveal(ClockView::Reveal::Show);
    m_view.present();
    if (m_alarmActive != 0 || alarmOptionSelected())
        return;
    setLabel5(QStringLiteral("00"));
    m_face.label6 = QStringLiteral("00");
    if (m_windowLoading != 0)
        return;
    PlayChime(ChimePlayer::AnnouncementChime);
    if (m_windowLoading == 0)
        speakPhrase(phrases::hourAnnouncement(m_face.label4));
}

void ClockEngine::Label5_Change()
{
    if (m_alarmActive != 0 || alarmOptionSelected())
        return;
    m_face.label6 = QStringLiteral("00");
    const int interval = IntervalMinutes[static_cast<size_t>(m_face.selectedOption)];
    const int minute = m_face.label5.toInt();
    if (minute % interval != 0 || minute == 0)
        return;
    if (m_windowLoading == 0)
        PlayChime(ChimePlayer::AnnouncementChime);
    speakPhrase(phrases::intervalAnnouncement(m_face.label4, m_face.label5));
}

void ClockEngine::fireAlarm()
{
    m_face.label7 = QStringLiteral("Countdown: 00:00:00");
    // The seconds of the alarm time as typed: the phrase names them, not the second the tick
    // came in (the first tick after the alarm's second).
    const QString alarmSeconds = m_face.label1.right(2);
    m_face.label6 = alarmSeconds;
    m_view.reveal(ClockView::Reveal::Restore);
    m_view.present();
    m_view.letMessagesRun();
    PlayChime(ChimePlayer::AlarmChime);

    show();
    speak(phrases::alarmAnnouncement(m_face.label4, m_face.label5, alarmSeconds));
    if (!m_face.text1.isEmpty()) {
        speak(phrases::reminderMessage(m_face.text1));
        hide();
        m_face.text1.clear();
    }
    hide();
    m_face.label1Visible = false;
    Option1_Click(2);
    m_view.giveFocus(QStringLiteral("Option12"));
    m_alarmActive = 0;
}

void ClockEngine::PlayChime(int soundId)
{
    m_view.present();
    m_chimes.play(soundId);
    m_view.letMessagesRun();
}

void ClockEngine::Command1_Click()
{
    speakPhrase(phrases::timeOnRequest(m_face.label2, m_face.label4, m_face.label5));
}

QString ClockEngine::trayTip(const QString& current) const
{
    if (!alarmOptionSelected())
        return programTip();
    if (m_alarmActive == 1)
        return QStringLiteral("Alarm aktiv! Alarm um: ") + phrases::timeText(effectiveAlarmTime());
    return current;
}

void ClockEngine::speakPhrase(const QString& phrase)
{
    show();
    speak(phrase);
    hide();
}

namespace {

// Requests to a character that could not be loaded are skipped; the transcript still says
// what would have been asked and why it was not.
void skipped(const QString& op, const QJsonArray& args)
{
    SpeechLog::record(SpeechLog::Component::Agent, ClockEngine::characterFile(), op, args,
        QStringLiteral("Der Charakter %1 ist nicht geladen.").arg(ClockEngine::characterFile()));
}

} // namespace

void ClockEngine::show()
{
    if (m_genie)
        m_genie->Show();
    else
        skipped(QStringLiteral("Show"), {});
}

void ClockEngine::hide()
{
    if (m_genie)
        m_genie->Hide();
    else
        skipped(QStringLiteral("Hide"), {});
}

void ClockEngine::speak(const QString& text)
{
    if (m_genie)
        m_genie->Speak(text);
    else
        skipped(QStringLiteral("Speak"), { text });
}

} // namespace suite::clock
