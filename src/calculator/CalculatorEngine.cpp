#include "calculator/CalculatorEngine.h"

#include "calculator/NumberText.h"
#include "speech/Synthesizer.h"

#include <array>
#include <cmath>

namespace suite::calc {

namespace {

const QString kZeroDisplay = QStringLiteral("0,");
const QString kTooLarge = QStringLiteral("Die Zahl ist zu groß für den Rechner.");

} // namespace

CalculatorEngine::CalculatorEngine(Synthesizer& synthesizer, CalculatorWindowPort& window)
    : m_synthesizer(synthesizer)
    , m_window(window)
{
}

const QString& CalculatorEngine::operatorCaption(int index)
{
    static const std::array<QString, 5> captions = { QStringLiteral("/"), QStringLiteral("+"),
        QStringLiteral("X"), QStringLiteral("-"), QStringLiteral("=") };
    return captions.at(static_cast<size_t>(index));
}

QString CalculatorEngine::speechSwitchCaption() const
{
    return m_speechOn ? QStringLiteral("ein") : QStringLiteral("aus");
}

double CalculatorEngine::valueOf(const Value& value)
{
    if (const auto* text = std::get_if<QString>(&value))
        return displayValue(*text);
    if (const auto* number = std::get_if<double>(&value))
        return *number;
    return 0.0;
}

QString CalculatorEngine::textOf(const Value& value)
{
    if (const auto* text = std::get_if<QString>(&value))
        return *text;
    return numberText(valueOf(value));
}

void CalculatorEngine::speak(const QString& text)
{
    // A key works even when the synthesizer cannot speak; nothing is shown for that.
    (void)m_synthesizer.Speak(text);
}

void CalculatorEngine::speakIfOn(const QString& text)
{
    if (m_speechOn)
        speak(text);
}

void CalculatorEngine::Form_Load()
{
    m_window.placeAtStartPosition();
    m_decimalEntered = false;
    m_operandCount = 0;
    m_inputKind = InputKind::None;
    m_pendingOp = QStringLiteral(" ");
    m_display = kZeroDisplay;
    m_resultShown = false;
}

void CalculatorEngine::clearAll()
{
    m_display = kZeroDisplay;
    m_accumulator = 0.0;
    m_secondOperand = 0.0;
}

void CalculatorEngine::failNotFinite()
{
    clearAll();
    m_decimalEntered = false;
    m_operandCount = 0;
    m_inputKind = InputKind::None;
    m_pendingOp = QStringLiteral(" ");
    m_resultShown = false;
    speakIfOn(kTooLarge);
    m_window.showMessage(kTooLarge, QString(), CalculatorWindowPort::Icon::Warning);
}

void CalculatorEngine::withdrawSign()
{
    if (m_inputKind != InputKind::Neg)
        return;
    // With a first operand the display held it (the Accumulator's copy) before the sign
    // replaced it; without one the sign stood in front of the display.
    m_display = m_operandCount == 1 ? textOf(m_accumulator) : m_display.mid(1);
    m_inputKind = InputKind::Ops;
}

void CalculatorEngine::showResult(const QString& text)
{
    m_display = text;
    m_inputKind = InputKind::Nums;
    m_resultShown = true;
}

void CalculatorEngine::Number_Click(int digit)
{
    const QString d = QString::number(digit);
    if (m_inputKind != InputKind::Nums || m_resultShown) {
        m_display = QStringLiteral(",");
        m_decimalEntered = false;
        m_resultShown = false;
    }
    if (m_decimalEntered) {
        m_display += d;
    } else {
        // A number being typed always holds its comma; the digit goes in front of it.
        const qsizetype comma = m_display.indexOf(QLatin1Char(','));
        m_display = (comma < 0 ? m_display : m_display.left(comma)) + d + QLatin1Char(',');
    }
    if (m_inputKind == InputKind::Neg)
        m_display.prepend(QLatin1Char('-'));
    m_inputKind = InputKind::Nums;
    speakIfOn(d);
}

void CalculatorEngine::Decimal_Click()
{
    if (m_inputKind == InputKind::Neg)
        m_display = QStringLiteral("-0,");
    else if (m_inputKind != InputKind::Nums || m_resultShown)
        m_display = kZeroDisplay;
    m_resultShown = false;
    m_decimalEntered = true;
    m_inputKind = InputKind::Nums;
    speakIfOn(QStringLiteral(" Komma "));
}

void CalculatorEngine::Operator_Click(int index)
{
    static const std::array<QString, 5> spoken
        = { QStringLiteral(" durch "), QStringLiteral(" plus "), QStringLiteral(" mal "),
              QStringLiteral(" minus "), QStringLiteral(" Ist gleich ") };
    const QString& c = operatorCaption(index);
    const QString minus = QStringLiteral("-");
    if (m_inputKind == InputKind::Neg) {
        if (c == minus) // the sign stays
            return speakIfOn(spoken.at(static_cast<size_t>(index)));
        withdrawSign(); // and the key acts as if the sign had not been typed
    }
    m_resultShown = false;

    m_savedReadout = m_display;
    if (m_inputKind == InputKind::Nums)
        ++m_operandCount;

    if (m_operandCount == 0) {
        if (c == minus && m_inputKind != InputKind::Neg) {
            m_display.prepend(QLatin1Char('-'));
            m_inputKind = InputKind::Neg;
        }
    } else if (m_operandCount == 1) {
        m_accumulator = m_display;
        if (c == minus && m_inputKind != InputKind::Nums && m_pendingOp != QStringLiteral("=")) {
            m_display = minus;
            m_inputKind = InputKind::Neg;
        }
    } else {
        m_secondOperand = m_savedReadout;
        const double a = valueOf(m_accumulator);
        const double b = valueOf(m_secondOperand);
        if (m_pendingOp == QStringLiteral("+")) {
            m_accumulator = a + b;
        } else if (m_pendingOp == QStringLiteral("-")) {
            m_accumulator = a - b;
        } else if (m_pendingOp == QStringLiteral("X")) {
            m_accumulator = a * b;
        } else if (m_pendingOp == QStringLiteral("/")) {
            if (b == 0.0)
                m_window.showMessage(QStringLiteral("Division durch Null ist nicht möglich"),
                    QStringLiteral("Rechner"), CalculatorWindowPort::Icon::Warning);
            else
                m_accumulator = a / b;
        } else if (m_pendingOp == QStringLiteral("=")) {
            m_accumulator = b;
        }
        if (!std::isfinite(valueOf(m_accumulator)))
            return failNotFinite();
        m_display = textOf(m_accumulator);
        m_operandCount = 1;
    }

    if (m_inputKind != InputKind::Neg) {
        m_inputKind = InputKind::Ops;
        m_pendingOp = c;
    }
    if (index == 4) {
        const double shown = displayValue(m_display);
        if (!std::isfinite(shown))
            return failNotFinite();
        speakIfOn(spoken.at(4) + numberText(shown));
    } else {
        speakIfOn(spoken.at(static_cast<size_t>(index)));
    }
}

void CalculatorEngine::Percent_Click()
{
    withdrawSign();
    const double percent = valueOf(m_accumulator) / 100.0 * displayValue(m_display);
    if (!std::isfinite(percent))
        return failNotFinite();
    showResult(numberText(percent));
    m_pendingOp = QStringLiteral("%");
    m_operandCount = 0;
    if (displayValue(m_display) == 0.0) {
        clearAll();
        Form_Load();
    }
    speakIfOn(QStringLiteral(" Prozent. Ist gleich ") + m_display);
}

void CalculatorEngine::Cancel_Click()
{
    clearAll();
    Form_Load();
    speakIfOn(QStringLiteral(" Löscht die aktuelle Berechnung "));
}

void CalculatorEngine::CancelEntry_Click()
{
    m_display = kZeroDisplay;
    m_decimalEntered = false;
    m_inputKind = InputKind::CE;
    m_resultShown = false;
    speakIfOn(QStringLiteral(" Löscht die angezeigte Zahl "));
}

} // namespace suite::calc
