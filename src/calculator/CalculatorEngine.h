#pragma once

#include <QString>

#include <variant>

namespace suite {
class Synthesizer;
}

namespace suite::calc {

// What the engine needs of its window besides the display text it exposes.
class CalculatorWindowPort {
public:
    enum class Icon { None, Warning, Critical };
    virtual ~CalculatorWindowPort() = default;
    // Puts the window back where it starts: centred across, 800 twips from the top.
    virtual void placeAtStartPosition() = 0;
    // A modal message box with an OK button; returns once it is closed. An empty title
    // means the program's default title.
    virtual void showMessage(const QString& text, const QString& title, Icon icon) = 0;
};

// The talking calculator without its widgets: the state of the keypad, the display text
// and every key's handler. Each handler speaks its German text through the synthesizer
// while speech is on; the window only forwards clicks and shows display() afterwards.
class CalculatorEngine {
public:
    enum class InputKind { None, Nums, Ops, CE, Neg };

    CalculatorEngine(Synthesizer& synthesizer, CalculatorWindowPort& window);

    void Form_Load();
    void Number_Click(int digit);
    void Decimal_Click();
    void Operator_Click(int index); // 0 "/", 1 "+", 2 "X", 3 "-", 4 "="
    void Percent_Click();
    void Cancel_Click();
    void CancelEntry_Click();
    void Command1_Click(); // Repeat
    void Command2_Click(); // sqr
    void Command3_Click(); // speech switch
    void Command4_Click(); // MR
    void Command5_Click(); // M+
    void Command6_Click(); // M-
    void Command7_Click(); // MC
    void Command8_Click(); // +/-
    void Command9_Click(); // mouth picture on/off

    const QString& display() const { return m_display; }
    QString memoryMark() const { return m_memory != 0.0 ? QStringLiteral("M") : QString(); }
    QString speechSwitchCaption() const;
    bool speechOn() const { return m_speechOn; }
    double memory() const { return m_memory; }
    InputKind inputKind() const { return m_inputKind; }
    int operandCount() const { return m_operandCount; }
    const QString& pendingOp() const { return m_pendingOp; }

    static const QString& operatorCaption(int index);

private:
    // Unset, a copy of the display, or a computed number.
    using Value = std::variant<std::monostate, QString, double>;
    static double valueOf(const Value& value);
    static QString textOf(const Value& value);

    void speakIfOn(const QString& text);
    void speak(const QString& text);
    void clearAll();
    // A minus typed where an operand starts is only the sign of a number to come. A key
    // that is not a digit or the comma takes it back: the display returns to what it held
    // before, so it always shows a number and the first operand is never lost.
    void withdrawSign();
    // The display now shows a result that is not from "=" (square root, percent, memory):
    // it takes part in the next operation like a typed number, and the next digit or comma
    // starts a new number instead of extending it.
    void showResult(const QString& text);
    // M+ (sign 1) and M- (sign -1).
    void addToMemory(double sign, const QString& spoken);
    // A value outside the range of a double: reset as by "C" without moving the window,
    // and tell the user (spoken too while speech is on).
    void failNotFinite();

    Synthesizer& m_synthesizer;
    CalculatorWindowPort& m_window;

    QString m_display = QStringLiteral("0,");
    Value m_accumulator;
    Value m_secondOperand;
    QString m_savedReadout;
    bool m_decimalEntered = false;
    int m_operandCount = 0;
    InputKind m_inputKind = InputKind::None;
    QString m_pendingOp = QStringLiteral(" ");
    bool m_speechOn = true;
    double m_memory = 0.0;
    bool m_resultShown = false;
};

} // namespace suite::calc
