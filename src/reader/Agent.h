#pragma once

#include "core/Result.h"
#include "reader/AgentForm.h"
#include "reader/CharacterSteps.h"
#include "reader/ReaderEdition.h"
#include "widgets/Tray.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>

namespace suite {
class Character;
}

namespace suite::ocr {
class PictureReader;
struct Recognition;
} // namespace suite::ocr

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

    // The program is being ended from outside (a signal, the end of the session, the display
    // gone): the settings are written as at "Beenden", without farewell, animation or message
    // box, unless the window's own end has run. May run more than once.
    Result saveAtOutsideEnd();

    // Leaves tray mode: the window shows, the clipboard watch stops, the icon goes. Also how
    // a rebuilt window comes into view.
    void mnuAnzeige_Click();

    // The icon in the notification area (or its stand-in).
    const Tray& tray() const { return m_tray; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Start and end (Agent.cpp).
    void Form_Unload();
    void centreOnScreen();
    void CharakterListe();
    void Ini_Lesen();
    void Ini_Schreiben();
    Result writeSettings();
    // Loads the character named in the window (or the edition's own); the failure says why.
    Result loadCharacter();
    QString characterFile() const;
    void fallBackToAnotherCharacter(const QString& reason);
    void beginTrayMode();
    void removeTrayIcon();
    void reportMissingCharacter(const QString& reason);
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

    // Tray mode and the clipboard watch (AgentTray.cpp).
    void Command10_Click();
    void Timer1_Timer();
    void trayNotification(int message, QPoint globalPos);
    QString takeWatchedText(const QString& copied);
    // Puts a copied text into the field (as far as it is read) and gives the steps that have
    // the character read it; *cut tells whether it was cut at the bound.
    std::vector<steps::Step> watchedReading(const QString& copied, bool* cut);
    // What the user is told when a clipboard text was cut at the bound.
    static QString cutNotice(qsizetype copied, qsizetype taken);

    // The text of copied pictures, with "Text in Bildern vorlesen" on (AgentPictures.cpp).
    void watchPicture();
    void pictureRecognized(const ocr::Recognition& recognition);
    void stopPictureReading();

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
    bool m_watching = false; // a tick is running
    // The text the watch read aloud last, while the clipboard has shown nothing else since:
    // it is not read again. Cleared once the clipboard holds anything else.
    std::optional<QString> m_read;
    bool m_readIsOnClipboard = false; // emptying the clipboard after reading it failed
    Tray m_tray;
    std::unique_ptr<ocr::PictureReader> m_pictureReader; // made at the first copied picture
    // The picture read last, while the clipboard has held no other picture and no text since:
    // it is not read again.
    QImage m_readPicture;
    bool m_pictureAnnounced = false; // the character said it is reading the picture

    struct Reading {
        int start = 0;
        QString text;
    };
    std::optional<Reading> m_reading;
};

} // namespace suite::reader
