// The handlers of the text field and of the speaking buttons.
#include "reader/Agent.h"

#include "reader/CharacterSteps.h"
#include "reader/Clipboard.h"
#include "reader/ReaderServices.h"
#include "reader/RichTextField.h"
#include "reader/SpokenText.h"
#include "widgets/MessageBoxes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace suite::reader {

using namespace steps;

void Agent::connectHandlers()
{
    const AgentForm& f = m_form;
    connect(f.RT1, &RichTextField::changed, this, &Agent::RT1_Change);
    connect(
        f.RT1, &RichTextField::contentsChanged, this, [this](int position, int removed, int added) {
            // A passage being read is no longer marked once the text in it or before it changes.
            if (m_reading && position < m_reading->start + m_reading->text.size()
                && (removed != added || removed == 0)) {
                m_reading.reset();
                m_form.RT1->clearSpokenWord();
            }
        });
    connect(f.RT1, &RichTextField::keyPressed, this, &Agent::RT1_KeyPress);
    connect(f.RT1, &RichTextField::clicked, this, &Agent::RT1_Click);
    connect(f.Command3, &QPushButton::clicked, this, &Agent::Command3_Click);
    connect(f.Command2, &QPushButton::clicked, this, &Agent::Command2_Click);
    connect(f.Command8, &QPushButton::clicked, this, &Agent::Command8_Click);
    connect(f.Command4, &QPushButton::clicked, this, &Agent::Command4_Click);
    connect(f.Command5, &QPushButton::clicked, this, &Agent::Command5_Click);
    connect(f.Test, &QPushButton::clicked, this, &Agent::Test_Click);
    connect(f.Command9, &QPushButton::clicked, this, &Agent::Command9_Click);
    connect(f.Command6, &QPushButton::clicked, this, &Agent::Command6_Click);
    connect(f.Command7, &QPushButton::clicked, this, &Agent::Command7_Click);
    connect(f.Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(f.Option3[0], &QRadioButton::clicked, this, [this] { Option3_Click(0); });
    connect(f.Option3[1], &QRadioButton::clicked, this, [this] { Option3_Click(1); });
    connect(f.Option1, &QRadioButton::clicked, this, &Agent::Option1_Click);
    connect(f.Option2, &QRadioButton::clicked, this, &Agent::Option2_Click);
    if (f.Check1) {
        connect(f.Check1, &QCheckBox::clicked, this, &Agent::Check1_Click);
        connect(f.Check2, &QCheckBox::clicked, this, &Agent::Check2_Click);
    }
    if (f.HScroll1)
        connect(f.HScroll1, &QScrollBar::valueChanged, this, &Agent::HScroll1_Change);
    // A file chosen by click or arrow key selects it; the focus arriving by Tab only marks the
    // first entry as current, and must not change the character.
    if (f.filAgents)
        connect(f.filAgents, &QListWidget::itemSelectionChanged, this, &Agent::filAgents_Click);
    // The pop-up menu presses the window's buttons, as a click on them would.
    connect(f.mnuStop, &QAction::triggered, f.Command5, &QPushButton::click);
    connect(f.mnuTest, &QAction::triggered, f.Test, &QPushButton::click);
    connect(f.mnuInfo, &QAction::triggered, f.Command7, &QPushButton::click);
    connect(f.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(f.Command10, &QPushButton::clicked, this, &Agent::Command10_Click);
    connect(f.Timer1, &QTimer::timeout, this, &Agent::Timer1_Timer);
    connect(f.mnuAnzeige, &QAction::triggered, this, &Agent::mnuAnzeige_Click);
}

void Agent::RT1_Change()
{
    const RichTextField* field = m_form.RT1;
    const auto word = spoken::wordBeforeBlank(
        [field](int position) { return field->characterAt(position); }, field->caretPosition());
    if (word)
        untilFailure(
            m_character, { steps::show(), speak(field->textRange(word->start, word->length)) });
}

void Agent::RT1_KeyPress(QChar character)
{
    if (m_form.Option2->isChecked() && spoken::isEchoedLetter(character))
        untilFailure(m_character, { steps::show(), speak(QString(character)) });
}

void Agent::RT1_Click()
{
    m_form.Command9->setEnabled(true);
}

void Agent::selectWordEcho()
{
    m_form.Option1->setChecked(true);
}

void Agent::Command3_Click()
{
    selectWordEcho();
    const QString text = m_form.RT1->text();
    if (!text.isEmpty()) {
        followReading(0, text);
        std::vector<Step> sequence { stopAll(), steps::show() };
        if (m_edition.playsReadAnimation)
            sequence.push_back(play(QStringLiteral("Read")));
        sequence.push_back(speak(withSpeedTag(text)));
        sequence.push_back(steps::hide());
        untilFailure(m_character, sequence);
    }
    m_form.RT1->setFocus();
}

void Agent::Command2_Click()
{
    selectWordEcho();
    if (!untilFailure(m_character, { stopAll() }))
        return;
    m_form.RT1->setFocus();
    const QString marked = m_form.RT1->markedText();
    if (marked.isEmpty())
        return;
    followReading(m_form.RT1->markStart(), marked);
    untilFailure(m_character, { steps::show(), speak(withSpeedTag(marked)), steps::hide() });
}

void Agent::Command8_Click()
{
    const QString marked = m_form.RT1->markedText();
    if (marked.isEmpty())
        return;
    m_form.RT1->setFocus();
    untilFailure(m_character,
        { steps::show(), speak(withSpeedTag(spoken::reversed(marked))), steps::hide() });
}

void Agent::Command4_Click()
{
    if (const std::optional<QString> text = m_services.clipboard.text()) {
        const QString taken = spoken::cutAtLimit(*text);
        m_form.RT1->replaceMarkedText(taken);
        if (taken.size() < text->size())
            m_services.messageBoxes.show(this, cutNotice(text->size(), taken.size()), QString(),
                MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
    }
    m_form.RT1->setFocus();
}

void Agent::Command5_Click()
{
    stopPictureReading();
    untilFailure(m_character, { stopAll() });
}

void Agent::Test_Click()
{
    selectWordEcho();
    untilFailure(m_character, { stopAll() });
    // The character gets the text with its CR LF line breaks, as it was given; the field
    // shows each as one paragraph break.
    const QString text = spoken::testText();
    m_form.RT1->setText(text);
    if (!m_form.RT1->text().isEmpty()) {
        followReading(0, text);
        untilFailure(m_character, { steps::show(), speak(withSpeedTag(text)), steps::hide() });
    }
    if (!m_form.Timer1->isActive())
        m_form.RT1->setFocus();
}

void Agent::Command9_Click()
{
    m_form.Command9->setEnabled(false);
    m_restart = 1;
    close();
}

void Agent::followReading(int start, const QString& text)
{
    m_form.RT1->clearSpokenWord();
    m_reading = Reading { start, text };
}

void Agent::wordHeard(const QString& text, int position, int length)
{
    // Only a passage the window asked to be read, and only while it still stands where it
    // stood (see contentsChanged), is marked; anything else the character says leaves the
    // field alone.
    if (!m_reading || text != m_reading->text) {
        m_form.RT1->clearSpokenWord();
        return;
    }
    m_form.RT1->showSpokenWord(
        m_reading->start + spoken::fieldPosition(m_reading->text, position), length);
}

} // namespace suite::reader
