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
    const double x = displayValue(m_display);
    if (!std::isfinite(x))
        return failNotFinite();
    if (x >= 0.0) {
        m_inputKind = InputKind::Ops;
        speakIfOn(QStringLiteral(" Wurzel aus ") + numberText(x));
        m_display = numberText(std::sqrt(x));
        speakIfOn(QStringLiteral(" Ist gleich ") + numberText(displayValue(m_display)));
        return;
    }
    speak(QStringLiteral("Die Wurzel aus einer Zahl kleiner Null kann nicht gezogen werden "));
    m_window.showMessage(QStringLiteral("Error: Wurzel aus Zahl<0"), QString(),
                         CalculatorWindowPort::Icon::None);
    m_display = QStringLiteral("0,");
    m_decimalEntered = false;
    m_inputKind = InputKind::CE;
}

void CalculatorEngine::Command3_Click()
{
    m_speechOn = !m_speechOn;
}

void CalculatorEngine::Command4_Click()
{
    m_inputKind = InputKind::Nums;
    m_display = numberText(m_memory);
    if (!m_display.contains(QLatin1Char(',')))
        m_display += QLatin1Char(',');
    m_recallPending = true;
    if (m_speechOn) {
        speak(QStringLiteral(" Speicher lesen "));
        Command1_Click();
    }
}

void CalculatorEngine::Command5_Click()
{
    m_inputKind = InputKind::Nums;
    const double sum = m_memory + displayValue(m_display);
    if (!std::isfinite(sum))
        return failNotFinite();
    m_memory = sum;
    if (m_speechOn) {
        speak(QStringLiteral(" Zum  Speicher addieren "));
        Command1_Click();
    }
}

void CalculatorEngine::Command6_Click()
{
    m_inputKind = InputKind::Nums;
    const double difference = m_memory - displayValue(m_display);
    if (!std::isfinite(difference))
        return failNotFinite();
    m_memory = difference;
    if (m_speechOn) {
        speak(QStringLiteral(" Vom Speicher subtrahieren "));
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
    if (m_display.startsWith(QLatin1Char('-'))) {
        m_display.remove(0, 1);
        if (m_display.isEmpty()) // the display held only the sign of a number to come
            m_display = QStringLiteral("0,");
    } else if (displayValue(m_display) != 0.0)
        m_display.prepend(QLatin1Char('-'));
    speakIfOn(QStringLiteral(" Vorzeichen Wechsel "));
    Command1_Click();
}

void CalculatorEngine::Command9_Click()
{
    m_synthesizer.SetVisible(!m_synthesizer.IsVisible());
}

} // namespace suite::calc
