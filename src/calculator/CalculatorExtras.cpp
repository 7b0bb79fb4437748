// The keys beside the keypad: repeat, square root, the speech switch, memory, sign change
// and the mouth picture.
#include "calculator/CalculatorEngine.h"

#include "calculator/NumberText.h"
#include "speech/Synthesizer.h"

#include <cmath>

namespace suite::calc {

void CalculatorEngine::Command1_Click()
{
    // Repeat speaks whether or not speech is switched on.
    const double value = displayValue(m_display);
    if (!std::isfinite(value))
        return failNotFinite();
    speak(numberText(value));
}

void CalculatorEngine::Command2_Click()
{
    withdrawSign();
    const double x = displayValue(m_display);
    if (!std::isfinite(x))
        return failNotFinite();
    if (x >= 0.0) {
        speakIfOn(QStringLiteral(" Wurzel aus ") + numberText(x));
        showResult(numberText(std::sqrt(x)));
        speakIfOn(QStringLiteral(" Ist gleich ") + numberText(displayValue(m_display)));
        return;
    }
    speak(QStringLiteral("Die Wurzel aus einer Zahl kleiner Null kann nicht gezogen werden "));
    m_window.showMessage(
        QStringLiteral("Error: Wurzel aus Zahl<0"), QString(), CalculatorWindowPort::Icon::None);
    m_display = QStringLiteral("0,");
    m_decimalEntered = false;
    m_inputKind = InputKind::CE;
    m_resultShown = false;
}

void CalculatorEngine::Command3_Click()
{
    m_speechOn = !m_speechOn;
}

void CalculatorEngine::Command4_Click()
{
    // A whole number gets its comma ("12,"); exponent form ("1E+15") stays as it is, since
    // a comma behind the exponent would not read back as the number.
    QString text = numberText(m_memory);
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('E')))
        text += QLatin1Char(',');
    showResult(text);
    if (m_speechOn) {
        speak(QStringLiteral(" Speicher lesen "));
        Command1_Click();
    }
}

void CalculatorEngine::Command5_Click()
{
    addToMemory(1.0, QStringLiteral(" Zum  Speicher addieren "));
}

void CalculatorEngine::Command6_Click()
{
    addToMemory(-1.0, QStringLiteral(" Vom Speicher subtrahieren "));
}

void CalculatorEngine::addToMemory(double sign, const QString& spoken)
{
    withdrawSign();
    const double sum = m_memory + sign * displayValue(m_display);
    if (!std::isfinite(sum))
        return failNotFinite();
    m_memory = sum;
    showResult(m_display);
    if (m_speechOn) {
        speak(spoken);
        Command1_Click();
    }
}

void CalculatorEngine::Command7_Click()
{
    m_memory = 0.0;
    speakIfOn(QStringLiteral(" Speicher löschen "));
}

void CalculatorEngine::Command8_Click()
{
    if (m_inputKind == InputKind::Neg)
        withdrawSign();
    else if (m_display.startsWith(QLatin1Char('-')))
        m_display.remove(0, 1);
    else if (displayValue(m_display) != 0.0)
        m_display.prepend(QLatin1Char('-'));
    speakIfOn(QStringLiteral(" Vorzeichen Wechsel "));
    Command1_Click();
}

void CalculatorEngine::Command9_Click()
{
    m_synthesizer.SetVisible(!m_synthesizer.IsVisible());
}

} // namespace suite::calc
