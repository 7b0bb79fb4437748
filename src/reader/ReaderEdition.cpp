#include "reader/ReaderEdition.h"

namespace suite::reader {

namespace {
const QString kLineBreak = QStringLiteral("\r\n");
} // namespace

QString ReaderEdition::infoText() const
{
    return QStringLiteral("Es kann Text direkt in das Textfeld eingegeben werden. Nach jedem "
                          "Leerzeichen")
        + kLineBreak + QStringLiteral("wird das zuletzt eingegebene Wort gesprochen.")
        + QStringLiteral("Text kann auch per Drag and Drop aus anderen Anwendungen")
        + QStringLiteral(" (z.B. Word oder Wordpad) in das Textfeld eingefügt")
        + QStringLiteral(" werden. Oder es kann eine Textdatei (*.txt oder *.rtf) zum "
                         "Sprechen geöffnet werden.")
        + kLineBreak + kLineBreak
        + QStringLiteral("Nach Click auf \"Verbergen\" wird ein TrayIcon erzeugt. Das Programm "
                         "spricht dann automatisch")
        + QStringLiteral(" jeden Text, der in die Zwischenablage kopiert wird.")
        + QStringLiteral(" Nach Click auf das TrayIcon erscheint ein PopUp Menü.") + kLineBreak
        + kLineBreak + infoVersionLine + kLineBreak + kLineBreak + QStringLiteral("-norvak-");
}

ReaderEdition ReaderEdition::lautbote()
{
    ReaderEdition e;
    e.programName = QStringLiteral("lautbote");
    e.windowTitle = QStringLiteral("Sprachausgabe mit MSAgent");
    e.clientWidthTwips = 7770;
    e.clientHeightTwips = 7260; // 300 more than of old, for "Text in Bildern vorlesen"
    e.hasSettingsFile = true;
    e.hasCharacterChoice = true;
    e.hasSpeedControl = true;
    e.hasGreetingOptions = true;
    e.centresWindow = true;
    e.playsReadAnimation = true;
    e.unloadsCharacterAtEnd = true;
    e.settingsFileName = QStringLiteral("Agent.ini");
    e.greetingLead
        = { QStringLiteral("GetAttention"), QStringLiteral("Wave"), QStringLiteral("Blink") };
    e.greetingText = QStringLiteral(
        "Guten Tag mein Herr, bist Du zu Hause ? Ich bin dein persönlicher Diener ! Ich "
        "spreche Dir Text vor, der vorher in die Zwischenablage kopiert wurde. Ich bin für "
        "Dich bereit. Für weitere Informationen klicke auf das Symbol neben der Uhr !");
    e.greetingTail = { QStringLiteral("Restpose") };
    e.farewellText = QStringLiteral("Tschüss. Ich freue mich auf unser nächstes Treffen.");
    e.languageCaptionGerman = QStringLiteral("Deutsch");
    e.echoFrameCaption = QStringLiteral("Sprachausgabe nach jedem eingegebenen");
    e.infoVersionLine = QStringLiteral("Sprachausgabe 2.5 , Codename: \"Wortwal\"");
    e.stopMenuCaption = QStringLiteral("Sprachausgabe stoppen");
    e.characterLabelCaption = QStringLiteral("Charakter wählen:");
    e.languageFrame = QRect(120, 50, 2415, 615);
    e.echoFrame = QRect(2640, 50, 3735, 615);
    e.resetButton = QRect(7320, 120, 255, 300);
    e.fieldTop = 1440;
    e.buttonFramesTop = 5340;
    e.pictureOption = QRect(120, 5010, 3615, 255); // under the speed bar
    return e;
}

ReaderEdition ReaderEdition::lautzwerg()
{
    ReaderEdition e;
    e.programName = QStringLiteral("lautzwerg");
    e.windowTitle = QStringLiteral("Sprachausgabe");
    e.clientWidthTwips = 7785;
    e.clientHeightTwips = 6390;
    e.characterId = QStringLiteral("genie.acs");
    e.characterFile = QStringLiteral("genie.acs");
    e.reportsMissingCharacter = true;
    e.greetingLead = { QStringLiteral("DoMagic2"), QStringLiteral("GetAttention"),
        QStringLiteral("Wave"), QStringLiteral("Blink") };
    e.greetingText = QStringLiteral(
        "Guten Tag mein Herr, bist Du zu Hause ? Ich bin der Flaschengeist, Dein persönlicher "
        "Zauberer ! Ich spreche Dir Text vor, der vorher in die Zwischenablage kopiert wurde. "
        "Ich bin für Dich bereit. Für weitere Informationen klicke auf das Symbol neben der "
        "Uhr !");
    e.greetingTail = { QStringLiteral("Process"), QStringLiteral("Restpose") };
    e.farewellText = QStringLiteral("Tschüss. ich gehe zurück in meine Flasche");
    e.languageCaptionGerman = QStringLiteral("Deuitsch");
    e.echoFrameCaption = QStringLiteral("Sprachausgabe nach jedem eingegebenen ");
    e.infoVersionLine = QStringLiteral("Sprachausgabe 2.4 , Codename: \"Wortwal\"");
    e.stopMenuCaption = QStringLiteral("Sprahausgabe stoppen");
    e.characterLabelCaption = QStringLiteral("Sprachausgabe mit  AgentControl, Charakter:  Genie");
    e.languageFrame = QRect(240, 120, 2775, 735);
    e.echoFrame = QRect(3120, 120, 3735, 735);
    e.resetButton = QRect(7320, 240, 255, 300);
    e.fieldTop = 960;
    e.buttonFramesTop = 4440;
    e.pictureOption = QRect(120, 4140, 3615, 255); // between the field and the buttons
    return e;
}

} // namespace suite::reader
