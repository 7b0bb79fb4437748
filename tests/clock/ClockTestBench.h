#pragma once

#include "FakeChimePlayer.h"
#include "FakeClockView.h"
#include "clock/ClockEngine.h"
#include "fakes/FakeAgentControl.h"
#include "fakes/FakeClock.h"

#include <QStringList>

#include <memory>

namespace suite::test {

// The clock's logic with a clock the test moves, the recording agent, recorded chimes and
// a recording window.
class ClockTestBench {
public:
    // Starts the program at this moment (Form_Load runs; its requests stay in the log).
    void start(QTime at, QDate day = QDate(2026, 1, 5))
    {
        clock = std::make_unique<FakeClock>(QDateTime(day, at));
        engine = std::make_unique<clock::ClockEngine>(*clock, agent, chimes, view);
        engine->Form_Load();
    }

    QTime now() const { return clock->now().time(); }

    // Moves the clock on to the next time the clock shows `to` (the next day when `to` is
    // not later today), with a tick every stepMs on the way and one at `to`.
    void runTo(QTime to, int stepMs = 1000)
    {
        const QDateTime from = clock->now();
        QDateTime target(from.date(), to);
        if (target <= from)
            target = target.addDays(1);
        while (clock->now() < target) {
            clock->advanceMs(std::min<qint64>(stepMs, clock->now().msecsTo(target)));
            engine->Timer1_Timer();
        }
    }

    // One more tick after moving on by ms.
    void tickAfter(qint64 ms)
    {
        clock->advanceMs(ms);
        engine->Timer1_Timer();
    }

    // Chimes and the character's stage and speech, in order: "PlayChime:500", "Show",
    // "Speak:Es ist jetzt 14 Uhr", "Hide". Loading and language are left out.
    QStringList sequence() const
    {
        QStringList out;
        for (const FakeCall& call : agent.log().calls()) {
            if (call.op == QLatin1String("PlayChime"))
                out << QStringLiteral("PlayChime:%1").arg(call.args.at(0).toInt());
            else if (call.op == QLatin1String("Speak"))
                out << QStringLiteral("Speak:") + call.args.at(0).toString();
            else if (call.op == QLatin1String("Show") || call.op == QLatin1String("Hide"))
                out << call.op;
        }
        return out;
    }

    QStringList spoken() const
    {
        QStringList out;
        for (const QString& entry : sequence())
            if (entry.startsWith(QLatin1String("Speak:")))
                out << entry.mid(6);
        return out;
    }

    void forget() { agent.log().clear(); }

    // Arms an alarm the way a user does: "Alarm", the time into the box, "Alarm aktivieren".
    void arm(const QString& time, const QString& reminder = QString())
    {
        engine->Option2_Click();
        engine->Text5_Click();
        engine->Text5_Change(time);
        engine->Text1_Change(reminder);
        engine->Command5_Click();
    }

    mutable FakeAgentControl agent;
    FakeChimePlayer chimes { agent.log() };
    FakeClockView view;
    std::unique_ptr<FakeClock> clock;
    std::unique_ptr<clock::ClockEngine> engine;
};

} // namespace suite::test
