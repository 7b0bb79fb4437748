#pragma once

#include "clock/ClockView.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace suite::test {

// A window for the clock's logic that only remembers what it was asked to do.
class FakeClockView final : public clock::ClockView {
public:
    void present() override { ++presents; }
    void reveal(Reveal how) override
    {
        reveals << how;
        if (how == Reveal::Restore)
            minimized = false;
    }
    bool isMinimized() const override { return minimized; }
    void letMessagesRun() override
    {
        ++pauses;
        if (duringPause)
            duringPause();
    }
    void showMessage(const QString& text) override { messages << text; }
    void giveFocus(const QString& controlName) override { focus = controlName; }

    int presents = 0;
    int pauses = 0;
    QList<Reveal> reveals;
    bool minimized = false;
    QStringList messages;
    QString focus;
    // Runs inside letMessagesRun(): events that were waiting, such as a tick.
    std::function<void()> duringPause;
};

} // namespace suite::test
