#include "calculator/Calculator.h"

#include "core/Twips.h"
#include "widgets/FittingLabel.h"
#include "widgets/MessageBoxes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include <array>

namespace suite::calc {

namespace {

constexpr int kClientWidth = 7665;
constexpr int kClientHeight = 6930;
constexpr int kStartTop = 800;
constexpr int kReadoutPoints = 36;
constexpr int kSmallestPoints = 6;
constexpr int kKey = 975;
constexpr std::array<int, 6> kColumns = { 0, 1080, 2160, 3240, 4920, 6000 };
constexpr std::array<int, 5> kRows = { 0, 1080, 2160, 3240, 4320 };

// What a screen reader says beside the caption: the keys' captions are symbols.
QString describe(const QString& caption)
{
    static const QHash<QString, QString> words = { { "/", "durch" }, { "+", "plus" },
        { "X", "mal" }, { "-", "minus" }, { "=", "Ist gleich" }, { ",", "Komma" },
        { "%", "Prozent" }, { "C", "Löscht die aktuelle Berechnung" },
        { "CE", "Löscht die angezeigte Zahl" }, { "sqr", "Wurzel" }, { "MR", "Speicher lesen" },
        { "M+", "Zum Speicher addieren" }, { "M-", "Vom Speicher subtrahieren" },
        { "MC", "Speicher löschen" }, { "+/-", "Vorzeichen Wechsel" } };
    return words.value(caption);
}

} // namespace

Calculator::Calculator(
    Synthesizer& synthesizer, QWidget* mouth, MessageBoxes& messageBoxes, QWidget* parent)
    : QWidget(parent)
    , m_engine(synthesizer, *this)
    , m_messageBoxes(messageBoxes)
{
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QStringLiteral("Sprechender Rechner"));
    setFixedSize(px(kClientWidth), px(kClientHeight));
    buildDisplay();
    buildKeypad(mouth);
    bindKeyboard();
    m_engine.Form_Load();
    refresh();
}

int Calculator::px(int twips) const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return twips::toPixels(twips, screen ? screen->logicalDotsPerInchX() : 96.0);
}

QFont Calculator::displayFont(int pointSize)
{
    // Liberation Sans has Arial's widths, so the display looks as it was drawn.
    QFont font;
    font.setFamilies({ QStringLiteral("Arial"), QStringLiteral("Liberation Sans") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(pointSize);
    return font;
}

void Calculator::buildDisplay()
{
    const QString colours = QStringLiteral("background-color: rgb(64,64,64); color: rgb(0,255,0);");
    m_memoryMark = new FittingLabel(kSmallestPoints, this);
    m_memoryMark->setObjectName(QStringLiteral("Label3"));
    m_memoryMark->setAccessibleName(QStringLiteral("Speicher"));
    m_memoryMark->setGeometry(px(360), px(240), px(6975), px(930));
    m_memoryMark->setStyleSheet(colours);
    // The display lies on the mark and leaves only a strip at its right free: the "M"
    // stands in the middle of that strip, as large as it allows.
    const int strip = m_memoryMark->width() - (px(405 + 6690) - px(360));
    m_memoryMark->setAlignment(Qt::AlignCenter);
    m_memoryMark->setContentsMargins(m_memoryMark->width() - strip + 1, 0, 1, 0);
    QFont markFont = displayFont(36);
    markFont.setBold(true);
    m_memoryMark->setFont(markFont);

    // The whole number always shows: a text too wide for 36 pt steps down until it fits.
    // Only typed digits beyond what the smallest size holds lose their front to an ellipsis.
    m_readout = new FittingLabel(kSmallestPoints, this);
    m_readout->setObjectName(QStringLiteral("Readout"));
    m_readout->setAccessibleName(QStringLiteral("Anzeige"));
    m_readout->setGeometry(px(405), px(330), px(6690), px(780));
    m_readout->setStyleSheet(colours);
    m_readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_readout->setContentsMargins(px(60), 0, px(60), 0);
    m_readout->setFont(displayFont(kReadoutPoints));
}

QPushButton* Calculator::addKey(
    QWidget* pad, const QString& name, const QString& caption, int col, int row, int pointSize)
{
    auto* key = new QPushButton(caption, pad);
    key->setObjectName(name);
    key->setAccessibleName(caption);
    key->setAccessibleDescription(describe(caption));
    key->setGeometry(px(kColumns.at(static_cast<size_t>(col))),
        px(kRows.at(static_cast<size_t>(row))), px(kKey), px(kKey));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(pointSize);
    key->setFont(font);
    key->setAutoDefault(false);
    return key;
}

void Calculator::pressed(void (CalculatorEngine::*handler)())
{
    (m_engine.*handler)();
    refresh();
}

void Calculator::buildKeypad(QWidget* mouth)
{
    auto* pad = new QWidget(this);
    pad->setObjectName(QStringLiteral("Picture1"));
    pad->setGeometry(px(360), px(1320), px(7155), px(5415));

    // Digits: 7 8 9 / 4 5 6 / 1 2 3 in columns 2-4, the 0 below the 8.
    for (int digit = 0; digit <= 9; ++digit) {
        const int col = digit == 0 ? 2 : 1 + (digit - 1) % 3;
        const int row = digit == 0 ? 3 : 2 - (digit - 1) / 3;
        auto* key = addKey(
            pad, QStringLiteral("Number%1").arg(digit), QString::number(digit), col, row, 24);
        connect(key, &QPushButton::clicked, this, [this, digit] {
            m_engine.Number_Click(digit);
            refresh();
        });
    }
    // Operator(0..4): "/", "+", "X", "-", "="
    const std::array<std::pair<int, int>, 4> operatorCells
        = { { { 5, 2 }, { 4, 1 }, { 4, 2 }, { 5, 1 } } };
    for (int index = 0; index <= 4; ++index) {
        auto* key = index < 4
            ? addKey(pad, QStringLiteral("Operator%1").arg(index),
                CalculatorEngine::operatorCaption(index),
                operatorCells[static_cast<size_t>(index)].first,
                operatorCells[static_cast<size_t>(index)].second, 24)
            : addKey(pad, QStringLiteral("Operator4"), QStringLiteral("="), 4, 4, 24);
        if (index == 4)
            key->resize(px(2055), px(kKey));
        connect(key, &QPushButton::clicked, this, [this, index] {
            m_engine.Operator_Click(index);
            refresh();
        });
    }
    const auto bind = [this](QPushButton* key, void (CalculatorEngine::*handler)()) {
        connect(key, &QPushButton::clicked, this, [this, handler] { pressed(handler); });
        return key;
    };
    bind(addKey(pad, "Decimal", ",", 3, 3, 24), &CalculatorEngine::Decimal_Click);
    bind(addKey(pad, "Percent", "%", 5, 3, 24), &CalculatorEngine::Percent_Click);
    bind(addKey(pad, "Cancel", "C", 4, 0, 24), &CalculatorEngine::Cancel_Click);
    bind(addKey(pad, "CancelEntry", "CE", 5, 0, 24), &CalculatorEngine::CancelEntry_Click);
    auto* repeat
        = bind(addKey(pad, "Command1", "Repeat", 0, 4, 11), &CalculatorEngine::Command1_Click);
    repeat->setToolTip(QStringLiteral("Wiederholt die angezeigte Zahl"));
    bind(addKey(pad, "Command2", "sqr", 4, 3, 24), &CalculatorEngine::Command2_Click);
    bind(addKey(pad, "Command4", "MR", 0, 0, 18), &CalculatorEngine::Command4_Click);
    bind(addKey(pad, "Command5", "M+", 0, 1, 18), &CalculatorEngine::Command5_Click);
    bind(addKey(pad, "Command6", "M-", 0, 2, 18), &CalculatorEngine::Command6_Click);
    bind(addKey(pad, "Command7", "MC", 0, 3, 18), &CalculatorEngine::Command7_Click);
    bind(addKey(pad, "Command8", "+/-", 1, 3, 18), &CalculatorEngine::Command8_Click);

    // Row 5, columns 3 and 4: the small mouth switch, and the speech switch with its label.
    auto* label = new QLabel(QStringLiteral("Sprachausgabe:"), pad);
    label->setObjectName(QStringLiteral("Label2"));
    label->setGeometry(px(2160), px(4320), px(2055), px(300));
    m_speechSwitch
        = bind(addKey(pad, "Command3", "ein", 3, 4, 12), &CalculatorEngine::Command3_Click);
    m_speechSwitch->setGeometry(px(3240), px(4680), px(975), px(615));
    label->setBuddy(m_speechSwitch);
    auto* mouthSwitch
        = bind(addKey(pad, "Command9", "e/a", 2, 4, 12), &CalculatorEngine::Command9_Click);
    mouthSwitch->setGeometry(px(2160), px(4680), px(975), px(615));
    mouthSwitch->setToolTip(QStringLiteral("Umschaltung Mund anzeigen/ausblenden"));

    if (mouth) {
        mouth->setParent(pad);
        mouth->setGeometry(px(kColumns[1]), px(kRows[4]), px(kKey), px(kKey));
        mouth->show();
    }
}

void Calculator::bindKeyboard()
{
    // A talking calculator is used by people who do not look at the screen: every key of
    // the pad has its key on the keyboard.
    const auto shortcut = [this](const QKeySequence& keys, const char* button) {
        auto* key = findChild<QPushButton*>(QLatin1String(button));
        auto* sc = new QShortcut(keys, this);
        connect(sc, &QShortcut::activated, key, &QPushButton::click);
    };
    for (int digit = 0; digit <= 9; ++digit)
        shortcut(QKeySequence(QString::number(digit)),
            qPrintable(QStringLiteral("Number%1").arg(digit)));
    shortcut(QKeySequence(QStringLiteral(",")), "Decimal");
    shortcut(QKeySequence(QStringLiteral(".")), "Decimal");
    shortcut(QKeySequence(QStringLiteral("/")), "Operator0");
    shortcut(QKeySequence(QStringLiteral("+")), "Operator1");
    shortcut(QKeySequence(QStringLiteral("*")), "Operator2");
    shortcut(QKeySequence(QStringLiteral("X")), "Operator2");
    shortcut(QKeySequence(QStringLiteral("-")), "Operator3");
    shortcut(QKeySequence(QStringLiteral("=")), "Operator4");
    shortcut(QKeySequence(Qt::Key_Return), "Operator4");
    shortcut(QKeySequence(Qt::Key_Enter), "Operator4");
    shortcut(QKeySequence(QStringLiteral("%")), "Percent");
    shortcut(QKeySequence(Qt::Key_Escape), "Cancel");
    shortcut(QKeySequence(Qt::Key_Delete), "CancelEntry");
}

void Calculator::refresh()
{
    m_readout->setValue(m_engine.display());
    m_memoryMark->setValue(m_engine.memoryMark());
    m_speechSwitch->setText(m_engine.speechSwitchCaption());
    // Setting a name announces it as changed, even when it is the same: a screen reader
    // would hear the speech switch after every key.
    const QString switchName = QStringLiteral("Sprachausgabe ") + m_engine.speechSwitchCaption();
    if (m_speechSwitch->accessibleName() != switchName)
        m_speechSwitch->setAccessibleName(switchName);
}

void Calculator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_placed) { // the frame is known only now
        m_placed = true;
        placeAtStartPosition();
    }
}

void Calculator::placeAtStartPosition()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - frameGeometry().width()) / 2, area.y() + px(kStartTop));
}

void Calculator::showMessage(const QString& text, const QString& title, Icon icon)
{
    const auto boxIcon = icon == Icon::Warning ? MessageBoxes::Icon::Warning
        : icon == Icon::Critical               ? MessageBoxes::Icon::Critical
                                               : MessageBoxes::Icon::None;
    m_messageBoxes.show(this, text, title, boxIcon, MessageBoxes::Buttons::Ok);
}

} // namespace suite::calc
