#include "reader/Agent.h"

#include "core/Paths.h"
#include "ocr/PictureReader.h"
#include "reader/AgentIni.h"
#include "reader/CharacterSteps.h"
#include "reader/ReaderLifecycle.h"
#include "reader/ReaderServices.h"
#include "reader/RichTextField.h"
#include "reader/SpokenWordFeed.h"
#include "speech/AgentControl.h"
#include "speech/SpeedTag.h"
#include "widgets/CloseAnimation.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace suite::reader {

namespace {
const QString kErrorTitle = QStringLiteral("Sprachausgabe Fehlernachricht");
} // namespace

Agent::Agent(const ReaderEdition& edition, ReaderServices& services, ReaderLifecycle& lifecycle,
    QWidget* parent)
    : QWidget(parent)
    , m_edition(edition)
    , m_services(services)
    , m_lifecycle(lifecycle)
    , m_form(AgentForm::build(*this, edition))
{
    connectHandlers();
    if (m_services.spokenWords) {
        connect(m_services.spokenWords, &SpokenWordFeed::wordHeard, this, &Agent::wordHeard);
        connect(m_services.spokenWords, &SpokenWordFeed::utteranceEnded, m_form.RT1,
            &RichTextField::clearSpokenWord);
    }
}

Agent::~Agent() = default;

bool Agent::Form_Load()
{
    // Another running copy is turned away before a window exists (main).
    if (m_edition.centresWindow)
        centreOnScreen();
    // From here on a step that fails is skipped and the start goes on.
    CharakterListe();
    if (m_edition.hasCharacterChoice && m_form.filAgents->count() == 0) {
        m_services.messageBoxes.show(this,
            QStringLiteral("Es sind keine Agenten für die Sprachausgabe instaliert. Instalieren "
                           "Sie Agent 'Genie' oder 'Merlin'."),
            kErrorTitle, MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok);
        close();
        return false;
    }
    m_charactersFound = true;

    if (!m_edition.hasSettingsFile) {
        // The edition without settings greets and says farewell every time, in German.
        m_greeting = 1;
        m_farewell = 1;
        loadCharacter();
        steps::skippingFailures(m_character, { [](Character& c) { return c.SetLanguage(1031); } });
        beginTrayMode();
        greet();
        return true;
    }
    if (AgentIni(m_services.programDir, m_edition.settingsFileName).exists()) {
        Ini_Lesen();
    } else {
        if (m_form.filAgents && m_form.filAgents->count() > 1)
            setAgentText(m_form.filAgents->item(0)->text().section(QLatin1Char('.'), 0, 0));
        m_language = 0;
        m_greeting = 1;
        m_farewell = 1;
    }
    if (agentText().isEmpty())
        setAgentText(QStringLiteral("Genie"));

    if (const Result loaded = loadCharacter(); !loaded)
        fallBackToAnotherCharacter(loaded.error);

    Option3_Click(m_language.value_or(0) == 1 ? 1 : 0);
    if (m_form.Option3[0]->isChecked())
        steps::skippingFailures(m_character, { [](Character& c) { return c.SetLanguage(1031); } });
    else if (m_form.Option3[1]->isChecked())
        steps::skippingFailures(m_character, { [](Character& c) { return c.SetLanguage(1033); } });

    beginTrayMode();
    if (m_form.HScroll1)
        HScroll1_Change();
    if (m_greeting.value_or(0) == 1)
        greet();
    return true;
}

void Agent::centreOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void Agent::CharakterListe()
{
    if (!m_form.filAgents)
        return;
    m_form.filAgents->clear();
    const QDir folder(m_services.characterDir);
    const QStringList files = folder.entryList(
        { QStringLiteral("*.acs") }, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    const QSignalBlocker quiet(m_form.filAgents);
    m_form.filAgents->addItems(files);
}

Result Agent::loadCharacter()
{
    m_characterName = m_edition.characterId.isEmpty() ? agentText() : m_edition.characterId;
    // Loading again under the same id (a rebuilt window of the edition with the fixed
    // character) fails harmlessly: the character is there already and GetCharacter hands it
    // out.
    const Result loaded = m_services.agent.LoadCharacter(m_characterName, characterFile());
    m_character = m_services.agent.GetCharacter(m_characterName);
    if (m_character)
        return Result::success();
    if (m_edition.reportsMissingCharacter)
        reportMissingCharacter(loaded ? QString() : loaded.error);
    return loaded ? Result::failure(QString()) : loaded;
}

QString Agent::characterFile() const
{
    return m_edition.characterFile.isEmpty() ? m_characterName + QStringLiteral(".acs")
                                             : m_edition.characterFile;
}

// The chosen character's file is gone or damaged: the first listed one that loads takes its
// place, as on a first start, and the user learns once which file failed.
void Agent::fallBackToAnotherCharacter(const QString& reason)
{
    const QString failedFile = characterFile();
    const QString failedName = m_characterName;
    for (int row = 0; !m_character && row < m_form.filAgents->count(); ++row) {
        const QString name = m_form.filAgents->item(row)->text().section(QLatin1Char('.'), 0, 0);
        if (name.isEmpty() || name.compare(failedName, Qt::CaseInsensitive) == 0)
            continue;
        setAgentText(name);
        loadCharacter();
    }
    QString text
        = QStringLiteral("Die Charakterdatei \"%1\" konnte nicht geladen werden.").arg(failedFile);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    if (m_character) {
        text += QStringLiteral("\r\nStattdessen spricht \"%1\".").arg(m_characterName);
    } else {
        setAgentText(failedName);
        m_characterName = failedName;
        text += QStringLiteral("\r\nKeine andere Charakterdatei lässt sich laden: die "
                               "Sprachausgabe bleibt stumm.");
    }
    m_services.messageBoxes.show(
        this, text, kErrorTitle, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
}

void Agent::reportMissingCharacter(const QString& reason)
{
    QString text = QStringLiteral("Der Charakter \"%1\" konnte nicht geladen werden.")
                       .arg(m_edition.characterFile);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    text += QStringLiteral("\r\nDie Sprachausgabe bleibt stumm, bis er wieder vorhanden ist.");
    m_services.messageBoxes.show(
        this, text, kErrorTitle, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
}

void Agent::Ini_Lesen()
{
    const AgentIniValues values
        = AgentIni(m_services.programDir, m_edition.settingsFileName).read();
    if (values.speed && m_form.HScroll1)
        m_form.HScroll1->setValue(*values.speed);
    if (values.greeting) {
        m_greeting = values.greeting;
        m_form.Check1->setChecked(*values.greeting == 1);
    }
    if (values.farewell) {
        m_farewell = values.farewell;
        m_form.Check2->setChecked(*values.farewell == 1);
    }
    if (values.language)
        m_language = values.language;
    if (values.character)
        setAgentText(*values.character);
    if (values.readPictures)
        m_form.chkBildtext->setChecked(*values.readPictures);
}

void Agent::Ini_Schreiben()
{
    const Result written = writeSettings();
    if (!written) {
        m_services.messageBoxes.show(this,
            QStringLiteral("Die Einstellungen konnten nicht gespeichert werden.\r\n")
                + written.error,
            kErrorTitle, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
    }
}

Result Agent::writeSettings()
{
    m_greeting = m_form.Check1->isChecked() ? 1 : 0;
    m_farewell = m_form.Check2->isChecked() ? 1 : 0;
    AgentIniState state;
    state.speed = m_form.HScroll1->value();
    state.greeting = *m_greeting == 1;
    state.farewell = *m_farewell == 1;
    if (m_form.Option3[0]->isChecked())
        state.language = 0;
    else if (m_form.Option3[1]->isChecked())
        state.language = 1;
    state.character = agentText();
    state.readPictures = m_form.chkBildtext->isChecked();
    return AgentIni(m_services.programDir, m_edition.settingsFileName).write(state);
}

Result Agent::saveAtOutsideEnd()
{
    // The window's own end saves (or, rebuilding, deliberately does not); a start that found
    // no character never had settings in use.
    if (m_unloading || !m_charactersFound || !m_edition.hasSettingsFile)
        return Result::success();
    return writeSettings();
}

void Agent::greet()
{
    using namespace steps;
    std::vector<Step> sequence { steps::show(), moveTo(300, 300) };
    for (const QString& animation : m_edition.greetingLead)
        sequence.push_back(play(animation));
    sequence.push_back(speak(withSpeedTag(m_edition.greetingText)));
    for (const QString& animation : m_edition.greetingTail)
        sequence.push_back(play(animation));
    sequence.push_back(moveTo(10, 10));
    sequence.push_back(steps::hide());
    skippingFailures(m_character, sequence);
}

// True when the farewell was handed to the character, so that it is worth waiting for.
bool Agent::sayFarewell()
{
    using namespace steps;
    bool spoken = false;
    skippingFailures(m_character, { steps::show() });
    spoken = static_cast<bool>(
        untilFailure(m_character, { speak(withSpeedTag(m_edition.farewellText)) }));
    skippingFailures(m_character, { steps::hide() });
    return spoken;
}

void Agent::closeEvent(QCloseEvent* event)
{
    // The end runs once; a second close during its wait or animation changes nothing.
    if (m_unloading) {
        event->ignore();
        return;
    }
    m_unloading = true;
    Form_Unload();
    event->accept();
}

void Agent::Form_Unload()
{
    if (!m_charactersFound) {
        m_lifecycle.endProgram();
        return;
    }
    // Nothing copied from now on is read any more, not even during the farewell's wait.
    m_form.Timer1->stop();
    if (m_restart == 1) {
        m_restart = 0;
        removeTrayIcon();
        // The new window loads the character of the settings file; one chosen in this run
        // would otherwise stay on the desktop with nobody to unload it.
        if (m_edition.hasCharacterChoice) {
            m_character = nullptr;
            m_services.agent.UnloadCharacter(m_characterName);
        }
        m_lifecycle.restartWindow();
        return;
    }
    // The controls take no more input: the window is on its way out.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setEnabled(false);
    removeTrayIcon();
    const bool farewell = m_farewell.value_or(0) == 1 && sayFarewell();
    if (m_edition.hasSettingsFile)
        Ini_Schreiben();
    // However slowly the character speaks, the farewell is heard to its end.
    if (farewell)
        verzögerung(m_services.clock, [this] { return !m_character || !m_character->isBusy(); });
    // The window was fixed in size; the animation must be free to shrink it.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    CoolClose(*this);
    if (m_edition.unloadsCharacterAtEnd) {
        m_character = nullptr;
        m_services.agent.UnloadCharacter(m_characterName);
    }
    m_lifecycle.endProgram();
}

QString Agent::withSpeedTag(const QString& text) const
{
    return m_form.HScroll1 ? SpeedTag::compose(m_form.HScroll1->value(), text) : text;
}

QString Agent::agentText() const
{
    return m_form.cmbAgent ? m_form.cmbAgent->currentText() : QString();
}

void Agent::setAgentText(const QString& name)
{
    if (!m_form.cmbAgent)
        return;
    m_form.cmbAgent->clear();
    m_form.cmbAgent->addItem(name);
}

} // namespace suite::reader
