#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

namespace suite::reader {

// Everything in which the editions of the reader differ: the program, its window's captions
// and texts, which option controls it has, how it greets and says farewell, and whether it
// keeps a settings file. The window and its handlers read only this, so another edition is
// another value of this type.
struct ReaderEdition {
    QString programName; // also the name of the single-instance lock and the transcript
    QString windowTitle;
    int clientWidthTwips = 0;
    int clientHeightTwips = 0;

    // The character: loaded under characterId from characterFile. Empty characterId: the
    // name chosen in the window (cmbAgent) is the id, and name + ".acs" the file.
    QString characterId;
    QString characterFile;

    bool hasSettingsFile = false; // Agent.ini in the program directory
    bool hasCharacterChoice = false; // cmbAgent, filAgents
    bool hasSpeedControl = false; // HScroll1, Label2; texts then carry the speed tag
    bool hasGreetingOptions = false; // Frame6, Check1, Check2
    bool centresWindow = false;
    bool playsReadAnimation = false; // "Gesamten Text" plays "Read" before it speaks
    bool unloadsCharacterAtEnd = false;
    // The character is fixed (characterId set): a start that cannot load it says so, since
    // there is no other character to choose and the window starts hidden.
    bool reportsMissingCharacter = false;

    QString settingsFileName;

    // The greeting: animations before the text, the text, animations after it.
    QStringList greetingLead;
    QString greetingText;
    QStringList greetingTail;
    QString farewellText;

    QString languageCaptionGerman; // Option3 index 0
    QString echoFrameCaption; // Frame5
    QString stopMenuCaption; // mnuStop
    // Label3: the character label above the choice, or the edition's own text without one.
    QString characterLabelCaption;
    // The layout in twips where the editions differ (left, top, width, height).
    QRect languageFrame; // Frame4
    QRect echoFrame; // Frame5
    QRect resetButton; // Command9
    QRect pictureOption; // chkBildtext, "Text in Bildern vorlesen"
    int fieldTop = 0; // RT1
    int buttonFramesTop = 0; // Frame1, Frame2, Frame3
    QString infoVersionLine; // last item of the information box before the signature

    // The information box of "Info" and of the tray menu.
    QString infoText() const;

    static ReaderEdition lautbote();
    // The earlier edition with the Genie alone: no choice of character or speed, no
    // settings file, no greeting options.
    static ReaderEdition lautzwerg();
};

} // namespace suite::reader
