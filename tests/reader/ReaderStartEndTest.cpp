// Start and end of the reader window, and its settings file.
#include "ReaderFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

using suite::MessageBoxes;
using suite::test::greeting;
using suite::test::ReaderFixture;

namespace {

const QStringList kGreetingSequence
    = { "Show", "MoveTo(300, 300)", "Play(GetAttention)", "Play(Wave)", "Play(Blink)",
          "Speak(" + greeting() + ")", "Play(Restpose)", "MoveTo(10, 10)", "Hide" };

QStringList withoutLoading(QStringList requests)
{
    requests.removeIf([](const QString& r) {
        return r.startsWith("LoadCharacter") || r.startsWith("GetCharacter")
            || r.startsWith("SetLanguage");
    });
    return requests;
}

using readerStart = ReaderFixture;
using readerEnd = ReaderFixture;
using readerSettings = ReaderFixture;

} // namespace

TEST_F(readerStart, AFirstStartLoadsGenieGreetsAndAtExitWritesTheFullSettingsFile)
{
    ASSERT_TRUE(start());
    const QStringList start = requests();
    ASSERT_GE(start.size(), 5);
    EXPECT_EQ(start.mid(0, 5),
        QStringList({ "LoadCharacter(Genie, Genie.acs)", "GetCharacter(Genie)", "SetLanguage(1031)",
            "SetLanguage(1031)", "Show" }));
    EXPECT_EQ(start.mid(4), kGreetingSequence);
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Genie");
    EXPECT_TRUE(control<QRadioButton>("Option30")->isChecked());
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Sprechgeschwindigkeit (Worte/min): 150");
    EXPECT_TRUE(boxes.boxes().isEmpty());

    forgetRequests();
    closeWindow();
    EXPECT_EQ(requests(),
        QStringList(
            { "Show", "Speak(\\Spd=150\\Tschüss. Ich freue mich auf unser nächstes Treffen.)",
                "Hide", "UnloadCharacter(Genie)" }));
    EXPECT_EQ(iniText(),
        "[Speed]\r\nV=150\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n"
        "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Genie\r\n");
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(app->window(), nullptr);
}

TEST_F(readerStart, TheWindowIsCentredOnTheScreen)
{
    ASSERT_TRUE(start());
    const QRect screen = window()->screen()->geometry();
    EXPECT_NEAR(window()->x(), screen.x() + (screen.width() - window()->width()) / 2, 1);
    EXPECT_NEAR(window()->y(), screen.y() + (screen.height() - window()->height()) / 2, 1);
}

TEST_F(readerStart, WithoutCharacterFilesTheUserIsToldAndTheProgramEnds)
{
    for (const QString& name : QDir(characterDir.path()).entryList(QDir::Files))
        QFile::remove(characterDir.filePath(name));
    addCharacters({ "readme.txt" });
    EXPECT_FALSE(start());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text,
        "Es sind keine Agenten für die Sprachausgabe instaliert. Instalieren Sie Agent 'Genie' "
        "oder 'Merlin'.");
    EXPECT_EQ(boxes.boxes()[0].title, "Sprachausgabe Fehlernachricht");
    EXPECT_EQ(boxes.boxes()[0].icon, MessageBoxes::Icon::Critical);
    EXPECT_TRUE(requests().isEmpty());
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(iniText().isEmpty());
}

TEST_F(readerStart, TheCharacterListShowsTheCharacterFilesSortedByName)
{
    addCharacters({ "aladin.ACS", "notes.txt" });
    ASSERT_TRUE(start());
    QStringList listed;
    auto* list = control<QListWidget>("filAgents");
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    EXPECT_EQ(listed, QStringList({ "aladin.ACS", "Genie.acs", "Merlin.acs", "Robby.acs" }));
    // Without a settings file the first of several files is chosen.
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "aladin");
    EXPECT_EQ(requests().first(), "LoadCharacter(aladin, aladin.acs)");
}

TEST_F(readerStart, WithExactlyOneCharacterFileThePresetGenieIsLoaded)
{
    for (const QString& name : QDir(characterDir.path()).entryList(QDir::Files))
        QFile::remove(characterDir.filePath(name));
    addCharacters({ "Zauberer.acs" });
    ASSERT_TRUE(start());
    EXPECT_EQ(requests().first(), "LoadCharacter(Genie, Genie.acs)");
}

TEST_F(readerEnd, WithTheFarewellSwitchedOffTheWindowClosesSilentlyAndSavesIt)
{
    ASSERT_TRUE(start());
    click("Check2");
    forgetRequests();
    const qint64 before = clock.monotonicMs();
    closeWindow();
    EXPECT_EQ(requests(), QStringList({ "UnloadCharacter(Genie)" }));
    // Reading the clock moves it on by one step; a wait would read it many times.
    EXPECT_LE(clock.monotonicMs() - before, 250) << "no farewell, no wait";
    EXPECT_TRUE(iniText().contains("[Verabschiedung]\r\nV=0\r\n"));
}

TEST_F(readerEnd, TheFarewellIsHeardToItsEndBeforeTheWindowShrinksAway)
{
    ASSERT_TRUE(start());
    // At 50 words a minute the character needs about eleven seconds for the farewell.
    const QDateTime closing = clock.now();
    const auto waitedMs = [&] { return closing.msecsTo(clock.now()); };
    agent.character("Genie")->setBusy([&] { return waitedMs() < 11000; });
    closeWindow();
    EXPECT_GE(waitedMs(), 11000);
    EXPECT_LT(waitedMs(), 12000) << "the program ends as soon as the character is done";
    EXPECT_EQ(quits, 1);
}

TEST_F(readerEnd, ResetRebuildsTheShownWindowFromTheLastSavedSettingsWithoutSaving)
{
    writeIni("[Speed]\r\nV=120\r\n[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=1\r\n"
             "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Genie\r\n");
    ASSERT_TRUE(start());
    const QByteArray saved = iniText();
    suite::reader::Agent* first = window();
    auto* command9 = control<QPushButton>("Command9");
    EXPECT_FALSE(command9->isEnabled());
    QTest::mouseClick(field()->viewport(), Qt::LeftButton);
    ASSERT_TRUE(command9->isEnabled());
    control<QScrollBar>("HScroll1")->setValue(200);
    forgetRequests();

    click("Command9");
    ASSERT_NE(window(), nullptr);
    EXPECT_NE(window(), first);
    EXPECT_TRUE(window()->isVisible());
    // Shown, so out of tray mode: no icon, and copied text is not read.
    EXPECT_FALSE(window()->tray().isShown());
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(quits, 0);
    EXPECT_EQ(iniText(), saved);
    // The old window's character goes before the new window loads its own.
    ASSERT_GE(requests().size(), 2);
    EXPECT_EQ(requests().mid(0, 2),
        QStringList({ "UnloadCharacter(Genie)", "LoadCharacter(Genie, Genie.acs)" }));
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 120);
    EXPECT_FALSE(control<QPushButton>("Command9")->isEnabled());

    // The new window ends the program normally.
    closeWindow();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(iniText().startsWith("[Speed]\r\nV=120\r\n"));
}

TEST_F(readerEnd, ResetAfterChoosingAnotherCharacterTakesThatOneOffTheDesktop)
{
    ASSERT_TRUE(start());
    auto* list = control<QListWidget>("filAgents");
    list->setCurrentRow(1); // Merlin.acs
    ASSERT_EQ(window()->characterName(), "Merlin");
    forgetRequests();

    QTest::mouseClick(field()->viewport(), Qt::LeftButton);
    click("Command9");
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(requests().contains("UnloadCharacter(Merlin)"));
    EXPECT_EQ(agent.character("Merlin"), nullptr);
    EXPECT_EQ(window()->characterName(), "Genie");
}

TEST_F(readerEnd, ASettingsFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds)
{
    // A folder where the file should be: no file can take its place.
    ASSERT_TRUE(QDir(programDir.path()).mkdir("Agent.ini"));
    ASSERT_TRUE(start());
    closeWindow();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(
        boxes.boxes()[0].text.startsWith("Die Einstellungen konnten nicht gespeichert werden."));
    EXPECT_EQ(boxes.boxes()[0].icon, MessageBoxes::Icon::Warning);
    EXPECT_EQ(quits, 1);
}

TEST_F(readerSettings, SavedSettingsComeBackAtTheNextStart)
{
    writeIni("[Speed]\r\nV=210\r\n[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n"
             "[Sprache]\r\nL=eng\r\n[Charakter]\r\nC=Merlin\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 210);
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option31")->isChecked());
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Merlin");
    EXPECT_EQ(requests(),
        QStringList({ "LoadCharacter(Merlin, Merlin.acs)", "GetCharacter(Merlin)",
            "SetLanguage(1033)", "SetLanguage(1033)" }));
    EXPECT_EQ(control<QLabel>("Label2")->text(), "Sprechgeschwindigkeit (Worte/min): 210");
}

TEST_F(readerSettings, TheFileIsFoundWhateverTheCaseOfItsName)
{
    writeIni("[speed]\r\nv=99\r\n[BEGRUESSUNG]\r\nb=0\r\n[Verabschiedung]\r\nV=0\r\n", "AGENT.INI");
    ASSERT_TRUE(start());
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 99);
    closeWindow();
    EXPECT_TRUE(iniText("AGENT.INI").startsWith("[speed]\r\nv=99\r\n[BEGRUESSUNG]\r\nb=0\r\n"));
    EXPECT_FALSE(QFile::exists(programDir.filePath("Agent.ini")));
}

TEST_F(readerSettings, EnglishIsReadFromItsFirstThreeLettersAndAnUnknownLanguageKeepsGerman)
{
    writeIni("[Speed]\r\nV=150\r\n[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=1\r\n"
             "[Sprache]\r\nL=english\r\n[Charakter]\r\nC=Genie\r\n");
    ASSERT_TRUE(start());
    EXPECT_TRUE(control<QRadioButton>("Option31")->isChecked());
    closeWindow();
    EXPECT_TRUE(iniText().contains("L=eng\r\n"));

    writeIni("[Speed]\r\nV=150\r\n[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=1\r\n"
             "[Sprache]\r\nL=deu\r\n[Charakter]\r\nC=Genie\r\n");
    forgetRequests();
    ASSERT_TRUE(start());
    EXPECT_TRUE(control<QRadioButton>("Option30")->isChecked());
    EXPECT_TRUE(requests().contains("SetLanguage(1031)"));
}

TEST_F(readerSettings, ASpeedOutOfRangeEndsTheReadingAndTheRunNeitherGreetsNorSaysFarewell)
{
    writeIni("[Speed]\r\nV=300\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n"
             "[Sprache]\r\nL=eng\r\n[Charakter]\r\nC=Merlin\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 150);
    EXPECT_TRUE(control<QCheckBox>("Check1")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_EQ(requests(),
        QStringList({ "LoadCharacter(Genie, Genie.acs)", "GetCharacter(Genie)", "SetLanguage(1031)",
            "SetLanguage(1031)" }));

    forgetRequests();
    const qint64 before = clock.monotonicMs();
    closeWindow();
    EXPECT_EQ(requests(), QStringList({ "UnloadCharacter(Genie)" }));
    EXPECT_LE(clock.monotonicMs() - before, 250) << "nothing was said, so nothing is waited for";
    EXPECT_EQ(iniText(),
        "[Speed]\r\nV=150\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n"
        "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Genie\r\n");
}

TEST_F(readerSettings, AFlagThatIsNoNumberEndsTheReadingThere)
{
    writeIni("[Speed]\r\nV=80\r\n[Begruessung]\r\nB=7\r\n[Verabschiedung]\r\nV=ja\r\n"
             "[Sprache]\r\nL=eng\r\n[Charakter]\r\nC=Merlin\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 80);
    EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked()) << "7 is not 1";
    EXPECT_TRUE(control<QCheckBox>("Check2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Option30")->isChecked());
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Genie");
    EXPECT_EQ(withoutLoading(requests()), QStringList());
}

TEST_F(readerSettings, AnEmptyCharacterNameBecomesGenie)
{
    writeIni("[Speed]\r\nV=150\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n"
             "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Genie");
    EXPECT_EQ(withoutLoading(requests()), kGreetingSequence);
}

TEST_F(readerSettings, OtherSectionsAndCommentsOfTheFileSurviveTheSave)
{
    writeIni("; meine Einstellungen\r\n[Speed]\r\nV=150\r\n[Eigenes]\r\nX=1\r\n");
    ASSERT_TRUE(start());
    closeWindow();
    EXPECT_EQ(iniText(),
        "; meine Einstellungen\r\n[Speed]\r\nV=150\r\n[Eigenes]\r\nX=1\r\n"
        "[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n[Sprache]\r\nL=ger\r\n"
        "[Charakter]\r\nC=Genie\r\n");
}

TEST_F(readerSettings, TextInPicturesIsOffByDefaultAndKeptInASectionOfItsOwn)
{
    const QByteArray older
        = "[Speed]\r\nV=150\r\n[Begruessung]\r\nB=0\r\n[Verabschiedung]\r\nV=0\r\n"
          "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Genie\r\n";
    writeIni(older);
    ASSERT_TRUE(start());
    QCheckBox* option = control<QCheckBox>("chkBildtext");
    ASSERT_NE(option, nullptr);
    EXPECT_FALSE(option->isChecked());
    EXPECT_EQ(option->accessibleName(), "Text in Bildern vorlesen");
    closeWindow();
    EXPECT_EQ(iniText(), older) << "a file whose user never turned it on stays as it was";

    for (const bool on : { true, false }) {
        ASSERT_TRUE(start());
        EXPECT_EQ(control<QCheckBox>("chkBildtext")->isChecked(), !on);
        QCheckBox* box = control<QCheckBox>("chkBildtext");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); // its box
        closeWindow();
        EXPECT_EQ(iniText(), older + "[Bildtext]\r\nVorlesen=" + (on ? "1" : "0") + "\r\n");
    }
}
