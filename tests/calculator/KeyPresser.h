#pragma once

#include "calculator/CalculatorEngine.h"
#include "fakes/FakeSynthesizer.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace suite::test {

// The window side of the engine as a test sees it: counts the returns to the start
// position and records every message box.
class RecordingCalculatorWindow final : public calc::CalculatorWindowPort {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon;
    };
    void placeAtStartPosition() override { ++placements; }
    void showMessage(const QString& text, const QString& title, Icon icon) override
    {
        messages.append({text, title, icon});
    }
    int placements = 0;
    QList<Message> messages;
};

// Presses keys by their captions, the way a user does: "5", ",", "+", "X", "=", "%", "C",
// "CE", "Repeat", "sqr", "ein"/"aus" (the speech switch), "MR", "M+", "M-", "MC", "+/-",
// "e/a".
class KeyPresser {
public:
    KeyPresser() : engine(synth, window) { engine.Form_Load(); }

    void press(const QStringList& keys)
    {
        for (const QString& key : keys)
            pressOne(key);
    }
    // Everything spoken since the last call.
    QStringList takeSpoken()
    {
        QStringList all = synth.spoken().mid(m_seen);
        m_seen = synth.spoken().size();
        return all;
    }

    FakeSynthesizer synth;
    RecordingCalculatorWindow window;
    calc::CalculatorEngine engine;

private:
    void pressOne(const QString& key)
    {
        bool isDigit = false;
        const int digit = key.toInt(&isDigit);
        if (isDigit && key.size() == 1)
            return engine.Number_Click(digit);
        static const QStringList operators = {"/", "+", "X", "-", "="};
        if (operators.contains(key))
            return engine.Operator_Click(static_cast<int>(operators.indexOf(key)));
        if (key == ",")
            return engine.Decimal_Click();
        if (key == "%")
            return engine.Percent_Click();
        if (key == "C")
            return engine.Cancel_Click();
        if (key == "CE")
            return engine.CancelEntry_Click();
        if (key == "Repeat")
            return engine.Command1_Click();
        if (key == "sqr")
            return engine.Command2_Click();
        if (key == "ein" || key == "aus")
            return engine.Command3_Click();
        if (key == "MR")
            return engine.Command4_Click();
        if (key == "M+")
            return engine.Command5_Click();
        if (key == "M-")
            return engine.Command6_Click();
        if (key == "MC")
            return engine.Command7_Click();
        if (key == "+/-")
            return engine.Command8_Click();
        if (key == "e/a")
            return engine.Command9_Click();
        ADD_FAILURE() << "no key " << qPrintable(key);
    }

    qsizetype m_seen = 0;
};

} // namespace suite::test
