#pragma once

#include "calculator/CalculatorEngine.h"

#include <QWidget>

class QPushButton;

namespace suite {
class MessageBoxes;
class Synthesizer;
class FittingLabel;
} // namespace suite

namespace suite::calc {

// The window "Sprechender Rechner": the display, the keypad, the extra keys and the mouth
// picture of the synthesizer. It forwards every click and key to the engine and shows the
// engine's display afterwards.
class Calculator final : public QWidget, private CalculatorWindowPort {
    Q_OBJECT
public:
    // mouth: the synthesizer's picture, placed in its cell of the keypad (may be null).
    Calculator(Synthesizer& synthesizer, QWidget* mouth, MessageBoxes& messageBoxes,
        QWidget* parent = nullptr);

    CalculatorEngine& engine() { return m_engine; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeAtStartPosition() override;
    void showMessage(const QString& text, const QString& title, Icon icon) override;

    static QFont displayFont(int pointSize);
    void buildDisplay();
    void buildKeypad(QWidget* mouth);
    void bindKeyboard();
    QPushButton* addKey(
        QWidget* pad, const QString& name, const QString& caption, int col, int row, int pointSize);
    void pressed(void (CalculatorEngine::*handler)());
    void refresh();
    int px(int twips) const;

    CalculatorEngine m_engine;
    MessageBoxes& m_messageBoxes;
    FittingLabel* m_readout = nullptr;
    FittingLabel* m_memoryMark = nullptr;
    QPushButton* m_speechSwitch = nullptr;
    bool m_placed = false;
};

} // namespace suite::calc
