#pragma once

#include "reader/AgentForm.h"
#include "reader/ReaderEdition.h"

#include <QWidget>

#include <optional>

namespace suite {
class Character;
}

namespace suite::reader {

class ReaderLifecycle;
struct ReaderServices;

// The reader window: a text field whose text the character reads aloud, with the speaking
// buttons and the options around it. Form_Load starts it and Form_Unload (run whenever it
// closes) ends it; in between its handlers run on the clicks and keys of the user.
class Agent final : public QWidget {
    Q_OBJECT
public:
    Agent(const ReaderEdition& edition, ReaderServices& services, ReaderLifecycle& lifecycle,
        QWidget* parent = nullptr);
    ~Agent() override;

    // The start. False when the window closed during it and the program has ended.
    bool Form_Load();

    // The id of the character the window speaks through.
    const QString& characterName() const { return m_characterName; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Start and end (Agent.cpp).
    void Form_Unload();
    void centreOnScreen();
    void CharakterListe();
    void Ini_Lesen();
    void Ini_Schreiben();
    void loadCharacter();
    void beginTrayMode();
    void removeTrayIcon();
    void greet();
    bool sayFarewell();

    // Handlers (AgentHandlers.cpp).
    void connectHandlers();
    void RT1_Change();
    void RT1_KeyPress(QChar character);
    void RT1_Click();
    void Command3_Click();
    void Command2_Click();
    void Command8_Click();
    void Command4_Click();
    void Command5_Click();
    void Test_Click();
    void Command9_Click();

    // Options (AgentOptions.cpp).
    void filAgents_Click();
    void HScroll1_Change();
    void Option3_Click(int index);
    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Check2_Click();
    void Command7_Click();
    void Command6_Click();

    QString withSpeedTag(const QString& text) const;
    QString agentText() const;
    void setAgentText(const QString& name);
    void selectWordEcho();

    // The word being heard, marked in the field while the character reads a passage of it.
    void followReading(int start, const QString& text);
    void wordHeard(const QString& text, int position, int length);

    const ReaderEdition& m_edition;
    ReaderServices& m_services;
    ReaderLifecycle& m_lifecycle;
    AgentForm m_form;

    Character* m_character = nullptr;
    QString m_characterName;
    // Unset until read: a greeting or farewell flag without a value counts as off, a
    // language without one as German.
    std::optional<int> m_greeting;
    std::optional<int> m_farewell;
    std::optional<int> m_language;
    int m_restart = 0;
    bool m_charactersFound = false;
    bool m_unloading = false;

    struct Reading {
        int start = 0;
        QString text;
    };
    std::optional<Reading> m_reading;
};

} // namespace suite::reader
