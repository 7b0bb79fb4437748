#include "clock/frmUhr.h"

#include "core/Clock.h"
#include "core/Twips.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ValueLabel.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <array>

namespace suite::clock {

namespace {

constexpr int ClientHeight = 2655;
// The window widths count the fixed single border on both sides, 4 pixels each at 96 dpi.
constexpr int BorderTwips = 120;

// The layout was made for these fonts; where they are missing, a condensed face keeps the
// texts inside their boxes.
QFont timesFont(int pointSize, bool bold = false)
{
    QFont font;
    font.setFamilies({ QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
        QStringLiteral("DejaVu Serif Condensed") });
    font.setStyleHint(QFont::Serif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

void setTextIfChanged(ValueLabel* label, const QString& text)
{
    if (label->text() == text)
        return;
    label->setValue(text);
    // A new time is on screen at once, before a chime can hold the program up.
    if (label->isVisible())
        label->repaint();
}

} // namespace

frmUhr::frmUhr(const Clock& clock, AgentControl& agent, ChimePlayer& chimes,
    MessageBoxes& messageBoxes, Tray::HostProbe hasTrayHost, QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_clock(clock)
    , m_engine(clock, agent, chimes, *this)
    , m_messageBoxes(messageBoxes)
    , m_tray(std::move(hasTrayHost))
{
    setObjectName(QStringLiteral("frmUhr"));
    setWindowTitle(QStringLiteral("Die Tockwerk"));
    setAccessibleName(QStringLiteral("Die Tockwerk"));
    QFont font;
    font.setFamilies({ QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans Narrow"),
        QStringLiteral("DejaVu Sans Condensed") });
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    // Moves over the bare window keep the tray tip current; they are never taken for clicks.
    setMouseTracking(true);

    buildTimeFrame();
    buildOptionFrame();
    buildAlarmFrames();
    buildButtons();
    buildPopupMenu();

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_engine.Timer1_Timer();
        scheduleTick();
    });
    present();
}

frmUhr::~frmUhr() = default;

int frmUhr::px(int twips) const
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return twips::toPixels(twips, screen ? screen->logicalDotsPerInchX() : 96.0);
}

void frmUhr::place(QWidget* widget, QRect r)
{
    widget->setGeometry(px(r.x()), px(r.y()), px(r.width()), px(r.height()));
}

void frmUhr::Form_Load()
{
    m_tray.setIcon(windowIcon());
    m_tray.setTip(ClockEngine::programTip());
    m_engine.Form_Load();
    scheduleTick();
}

void frmUhr::scheduleTick()
{
    // Everything the tick shows, speaks and compares changes only with the whole second, so
    // it comes just after each second begins: on time to the millisecond, and an idle clock
    // wakes the machine once a second instead of ten times. (A tick that comes a little
    // early finds the old second and is simply followed by the next.)
    constexpr int LateMs = 5;
    // Time zones differ from UTC by whole minutes: the milliseconds are the same, and
    // reading them needs no local time.
    const int msec = static_cast<int>(QDateTime::currentMSecsSinceEpoch() % 1000);
    m_timer->start(1000 - msec + LateMs);
}

void frmUhr::buildTimeFrame()
{
    m_label1 = new ValueLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    place(m_label1, { 120, 20, 2500, 240 });
    m_label7 = new ValueLabel(this);
    m_label7->setObjectName(QStringLiteral("Label7"));
    place(m_label7, { 2720, 20, 1600, 240 });

    auto* frame = new QGroupBox(QStringLiteral("Time"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, { 120, 260, 4120, 1335 });
    const auto number = [this, frame](const char* name, int left, const QString& what) {
        auto* label = new ValueLabel(frame);
        label->setObjectName(QString::fromLatin1(name));
        label->setAccessibleDescription(what);
        label->setFont(timesFont(36));
        label->setAlignment(Qt::AlignCenter);
        // Opaque: the new second repaints only its label, not the frame and window behind.
        label->setAutoFillBackground(true);
        place(label, { left, 240, 975, 975 });
        return label;
    };
    m_label4 = number("Label4", 240, QStringLiteral("Stunden"));
    m_label5 = number("Label5", 1560, QStringLiteral("Minuten"));
    m_label6 = number("Label6", 2880, QStringLiteral("Sekunden"));
    for (int i = 0; i < 2; ++i) {
        auto* colon = new QLabel(QStringLiteral(":"), frame);
        colon->setObjectName(QStringLiteral("Label3%1").arg(i));
        colon->setFont(timesFont(36));
        colon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        place(colon, { i == 0 ? 1310 : 2620, 360, 255, 855 });
    }

    m_label2 = new ValueLabel(this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->move(px(120), px(2370));
}

void frmUhr::buildOptionFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Ansage jede"), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    place(frame, { 120, 1620, 4120, 615 });
    frame->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
    m_options = new QButtonGroup(this);
    struct Option {
        const char* caption;
        const char* tip;
        int left;
    };
    const std::array<Option, 5> options = { {
        { "1 min", "Zeitausgabe zu jeder vollen Minute.", 120 },
        { "5 min", "Zeitausgabe alle 5 min.", 840 },
        { "15 min", "Zeitausgabe alle 15 min.", 1560 },
        { "30 min", "Zeitausgabe alle 30 min.", 2400 },
        { "Alarm", "Es kann eine Alarmzeit (zur Erinnerung) gesetzt werden.", 3240 },
    } };
    for (int i = 0; i < 5; ++i) {
        const Option& o = options[static_cast<size_t>(i)];
        auto* option = new QRadioButton(QString::fromUtf8(o.caption), frame);
        option->setObjectName(
            i < 4 ? QStringLiteral("Option1%1").arg(i) : QStringLiteral("Option2"));
        option->setToolTip(QString::fromUtf8(o.tip));
        option->setAccessibleName(option->text());
        option->setAccessibleDescription(option->toolTip());
        // Each option reaches to the next one: captions in a wider font than the one the
        // layout was made for still fit.
        const int right = i < 4 ? options[static_cast<size_t>(i + 1)].left : 4040;
        place(option, { o.left, 240, right - o.left, 255 });
        m_options->addButton(option, i);
    }
    // A click runs the handler even on the option already chosen; a screen reader's toggle
    // arrives as a click too (installToggleAsClick).
    connect(m_options, &QButtonGroup::idClicked, this, [this](int i) {
        if (i < 4)
            m_engine.Option1_Click(i);
        else
            m_engine.Option2_Click();
    });
    // The next option's circle would cover a caption's end: a face still too wide steps
    // down, the same for the whole row, until every caption shows.
    const auto buttons = m_options->buttons();
    const auto cut = [&buttons] {
        return std::any_of(buttons.begin(), buttons.end(),
            [](const QAbstractButton* b) { return b->sizeHint().width() > b->width(); });
    };
    QFont optionFont = frame->font();
    while (optionFont.pointSize() > 6 && cut()) {
        optionFont.setPointSize(optionFont.pointSize() - 1);
        for (QAbstractButton* button : buttons)
            button->setFont(optionFont);
    }
}

void frmUhr::buildAlarmFrames()
{
    m_frame3 = new QGroupBox(QStringLiteral("Alarmzeit"), this);
    m_frame3->setObjectName(QStringLiteral("Frame3"));
    place(m_frame3, { 4395, 260, 2175, 1935 });
    m_text5 = new QLineEdit(m_frame3);
    m_text5->setObjectName(QStringLiteral("Text5"));
    m_text5->setAccessibleName(QStringLiteral("Alarmzeit"));
    m_text5->setTextMargins(0, 0, 0, 0);
    place(m_text5, { 600, 360, 975, 405 });
    // 12 pt bold where the time fits the box; a face wider than the one the box was made
    // for steps down until it does.
    QFont boxFont = timesFont(12, true);
    const int room = m_text5->width() - 8;
    while (boxFont.pointSize() > 8
        && QFontMetrics(boxFont).horizontalAdvance(QStringLiteral("00:00:00")) > room)
        boxFont.setPointSize(boxFont.pointSize() - 1);
    m_text5->setFont(boxFont);
    m_text5->installEventFilter(this);
    // Every change counts, whatever made it: typing, a paste with the middle button, an input
    // method, a screen reader. The box keeps only what an alarm time may hold.
    connect(m_text5, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString kept = ClockEngine::Text5_Filter(text);
        if (kept != text) {
            const int cursor = static_cast<int>(
                ClockEngine::Text5_Filter(text.left(m_text5->cursorPosition())).size());
            m_text5->setText(kept); // comes back here once, with nothing left to drop
            m_text5->setCursorPosition(cursor);
            return;
        }
        m_engine.Text5_Change(text);
    });

    const std::array<std::tuple<const char*, const char*, const char*, int>, 3> minuteButtons = { {
        { "Command2", "+1", "plus 1 Minute", 120 },
        { "Command3", "+5", "plus 5 minuten", 830 },
        { "Command4", "+15", "plus 15 Minuten", 1560 },
    } };
    for (const auto& [name, caption, tip, left] : minuteButtons) {
        auto* button = addButton(m_frame3, QString::fromLatin1(name), QString::fromLatin1(caption),
            QString::fromLatin1(tip), { left, 840, 495, 255 });
        const QString which = QString::fromLatin1(name);
        connect(button, &QPushButton::clicked, this, [this, which] {
            if (which == QLatin1String("Command2"))
                m_engine.Command2_Click();
            else if (which == QLatin1String("Command3"))
                m_engine.Command3_Click();
            else
                m_engine.Command4_Click();
        });
    }
    m_command5 = addButton(m_frame3, QStringLiteral("Command5"), QStringLiteral("Alarm aktivieren"),
        QStringLiteral("Die Alarmzeit wird gesetzt"), { 120, 1200, 1935, 255 });
    connect(m_command5, &QPushButton::clicked, this, [this] { m_engine.Command5_Click(); });
    auto* back
        = addButton(m_frame3, QStringLiteral("Command6"), QStringLiteral("ohne Alarm zurück"),
            QStringLiteral("die Alarmzeit wird ignoriert"), { 120, 1560, 1935, 255 });
    connect(back, &QPushButton::clicked, this, [this] { m_engine.Command6_Click(); });

    m_frame4 = new QGroupBox(QStringLiteral("Alarmtext (optional)"), this);
    m_frame4->setObjectName(QStringLiteral("Frame4"));
    place(m_frame4, { 6720, 240, 1935, 1935 });
    m_text1 = new QPlainTextEdit(m_frame4);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setToolTip(QStringLiteral("Hier eine Alarmmeldung eingeben oder feld leer lassen."));
    m_text1->setAccessibleName(m_text1->toolTip());
    m_text1->setTabChangesFocus(true);
    place(m_text1, { 120, 360, 1695, 1455 });
    connect(m_text1, &QPlainTextEdit::textChanged, this,
        [this] { m_engine.Text1_Change(m_text1->toPlainText()); });
}

QPushButton* frmUhr::addButton(QWidget* parent, const QString& name, const QString& caption,
    const QString& tip, QRect twipsRect)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(tip);
    button->setAutoDefault(false);
    place(button, twipsRect);
    return button;
}

void frmUhr::buildButtons()
{
    auto* info = addButton(this, QStringLiteral("Command7"), QStringLiteral("I"),
        QStringLiteral("Info"), { 2190, 2340, 255, 285 });
    connect(info, &QPushButton::clicked, this, [this] { Command7_Click(); });
    m_command1 = addButton(this, QStringLiteral("Command1"), QStringLiteral("Sprich"),
        QStringLiteral("Spricht die aktuelle Zeit"), { 2500, 2340, 690, 285 });
    connect(m_command1, &QPushButton::clicked, this, [this] { m_engine.Command1_Click(); });
    auto* hide = addButton(this, QStringLiteral("Command8"), QStringLiteral("Verbergen"),
        QStringLiteral("Uhrfenster verbergen, TrayIcon erzeugen"), { 3250, 2340, 975, 285 });
    connect(hide, &QPushButton::clicked, this, [this] { Command8_Click(); });
}

void frmUhr::present()
{
    const ClockFace& face = m_engine.face();
    setTextIfChanged(m_label1, face.label1);
    m_label1->setVisible(face.label1Visible);
    if (m_label2->text() != face.label2) {
        m_label2->setValue(face.label2);
        m_label2->adjustSize();
    }
    setTextIfChanged(m_label4, face.label4);
    setTextIfChanged(m_label5, face.label5);
    setTextIfChanged(m_label6, face.label6);
    setTextIfChanged(m_label7, face.label7);
    m_label7->setVisible(face.label7Visible);
    if (m_text5->text() != face.text5)
        m_text5->setText(face.text5);
    if (m_text1->toPlainText() != face.text1)
        m_text1->setPlainText(face.text1);
    m_command5->setEnabled(face.command5Enabled);
    if (QAbstractButton* option = m_options->button(face.selectedOption); !option->isChecked())
        option->setChecked(true);
    for (int i = 0; i < m_intervalEntries.size(); ++i) {
        m_intervalEntries[i]->setEnabled(face.intervalEntriesEnabled);
        m_intervalEntries[i]->setChecked(face.intervalChecked[static_cast<size_t>(i)]);
    }
    m_mnuAlarm->setVisible(face.mnuAlarmVisible);
    const bool wide = face.widthTwips == ClockEngine::WideWidth;
    m_frame3->setVisible(wide);
    m_frame4->setVisible(wide);
    const QSize size(px(face.widthTwips - BorderTwips), px(ClientHeight));
    if (this->size() != size || minimumSize() != size)
        setFixedSize(size);
    if (windowTitle() != face.caption)
        setWindowTitle(face.caption);
}

void frmUhr::reveal(Reveal how)
{
    if (how == Reveal::Restore) {
        if (QWidget::isMinimized())
            setWindowState(windowState() & ~Qt::WindowMinimized);
        if (isHidden()) {
            show();
            m_tray.remove();
        }
        return;
    }
    if (isHidden())
        show();
    if (isVisible())
        repaint();
}

bool frmUhr::isMinimized() const
{
    return QWidget::isMinimized();
}

void frmUhr::letMessagesRun()
{
    // Input waits until the running handler is done: a click never lands in the middle of an
    // announcement or of the alarm.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmUhr::showMessage(const QString& text)
{
    m_messageBoxes.show(this, text, QString(), MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok);
}

void frmUhr::giveFocus(const QString& controlName)
{
    if (auto* control = findChild<QWidget*>(controlName))
        control->setFocus(Qt::OtherFocusReason);
}

void frmUhr::paintEvent(QPaintEvent* event)
{
    m_engine.Form_Paint();
    // Inside a paint event a label may only ask for its own paint, not paint at once.
    if (m_label6->text() != m_engine.face().label6)
        m_label6->setValue(m_engine.face().label6);
    QWidget::paintEvent(event);
}

bool frmUhr::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text5) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
            m_engine.Text5_Click();
            break;
        case QEvent::FocusIn: {
            // Reaching the box with the keyboard counts as the click into it, so the alarm
            // can be armed without a mouse.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
                || reason == Qt::ShortcutFocusReason)
                m_engine.Text5_Click();
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace suite::clock
