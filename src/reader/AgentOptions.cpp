// The handlers of the option controls, of "Info" and of "Open".
#include "reader/Agent.h"

#include "core/Paths.h"
#include "reader/CharacterSteps.h"
#include "reader/ReaderServices.h"
#include "reader/RichTextField.h"
#include "reader/rtf/TextFileLoader.h"
#include "speech/AgentControl.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StdDialoge.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace suite::reader {

void Agent::filAgents_Click()
{
    const QList<QListWidgetItem*> selected = m_form.filAgents->selectedItems();
    if (selected.isEmpty())
        return;
    const QListWidgetItem* item = selected.first();
    setAgentText(item->text().section(QLatin1Char('.'), 0, 0));
    // The old character is gone after the unload; nothing may reach it any more.
    m_character = nullptr;
    m_services.agent.UnloadCharacter(m_characterName);
    loadCharacter();
}

void Agent::HScroll1_Change()
{
    m_form.Label2->setText(QStringLiteral("Sprechgeschwindigkeit (Worte/min): ")
        + QString::number(m_form.HScroll1->value()));
    m_form.Label2->setAccessibleName(m_form.Label2->text());
    m_form.Label2->adjustSize();
}

void Agent::Option3_Click(int index)
{
    const int option = index == 0 ? 0 : 1;
    m_form.Option3[option]->setChecked(true);
    const int language = option == 0 ? 1031 : 1033;
    steps::untilFailure(
        m_character, { [language](Character& c) { return c.SetLanguage(language); } });
}

void Agent::Option1_Click()
{
    m_form.RT1->setFocus();
}

void Agent::Option2_Click()
{
    m_form.RT1->setFocus();
    m_form.Command9->setEnabled(true);
}

void Agent::Check1_Click()
{
    m_greeting = m_form.Check1->isChecked() ? 1 : 0;
}

void Agent::Check2_Click()
{
    m_farewell = m_form.Check2->isChecked() ? 1 : 0;
}

void Agent::Command7_Click()
{
    m_services.messageBoxes.show(this, m_edition.infoText(), QStringLiteral("Sprachausgabe - Info"),
        MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
}

void Agent::Command6_Click()
{
    // The field keeps its text until a file has actually been loaded: cancelling the dialog
    // or choosing a file that cannot be read loses nothing.
    QString folder;
    StdDialoge dialogs(m_services.fileChooser);
    const QString name = dialogs.ShowOpenDialog(this,
        QStringLiteral("Die zu sprechende Textdatei öffnen"), folder, QString(),
        QStringLiteral("TXT oder RTF Dateien (*.txt;*.rtf)")
            + QStringLiteral("|*.txt;*.rtf| Alle Dateien (*.*)|*.*"),
        QStringLiteral("*.*"));
    if (name.isEmpty())
        return;
    const QString path = paths::withTrailingSlash(folder) + name;
    rtf::LoadResult loaded = rtf::loadFile(path);
    if (!loaded.ok) {
        // A file that vanished or cannot be opened ends the handler quietly; one that was
        // refused for what it holds (its size) is worth a word to the user.
        const QFileInfo info(path);
        if (info.isFile() && info.isReadable())
            m_services.messageBoxes.show(this, loaded.message, QString(),
                MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    selectWordEcho();
    m_reading.reset();
    m_form.RT1->takeDocument(std::move(loaded.document));
    if (!loaded.message.isEmpty())
        m_services.messageBoxes.show(this, loaded.message, QString(), MessageBoxes::Icon::Warning,
            MessageBoxes::Buttons::Ok);
}

} // namespace suite::reader
