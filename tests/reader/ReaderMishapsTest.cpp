// What goes wrong around the reader: a character file that is gone or damaged, a full disk
// at exit, and an end that comes from outside (a signal, the end of the session).
#include "ReaderFixture.h"
#include "fakes/SmallDisk.h"
#include "reader/OutsideEnd.h"

#include <QComboBox>
#include <QScrollBar>

#include <csignal>

using suite::MessageBoxes;
using suite::test::ReaderFixture;
using suite::test::SmallDisk;

namespace {

const QByteArray kMerlinSettings
    = "[Speed]\r\nV=150\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\n"
      "V=0\r\n[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Merlin\r\n";

using readerCharacterFile = ReaderFixture;
using readerOutsideEnd = ReaderFixture;

class readerFullDisk : public ReaderFixture {
protected:
    void SetUp() override
    {
        if (!disk.isMounted())
            GTEST_SKIP() << qPrintable(disk.whyNot());
        programFolder = disk.path();
    }
    SmallDisk disk { 64 };
};

} // namespace

TEST_F(readerCharacterFile, ADamagedChosenCharacterGivesWayToTheFirstThatLoadsWithOneMessage)
{
    writeIni(kMerlinSettings);
    agent.damage("Merlin.acs", "Die Charakterdatei ist beschädigt (Zeile 3).");
    ASSERT_TRUE(start());
    const QStringList loads = requests().filter("LoadCharacter");
    EXPECT_EQ(loads,
        QStringList({ "LoadCharacter(Merlin, Merlin.acs)", "LoadCharacter(Genie, Genie.acs)" }));
    EXPECT_EQ(window()->characterName(), "Genie");
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Genie");
    ASSERT_EQ(boxes.boxes().size(), 1);
    const QString text = boxes.boxes()[0].text;
    EXPECT_TRUE(text.contains("\"Merlin.acs\"")) << qPrintable(text);
    EXPECT_TRUE(text.contains("beschädigt (Zeile 3)"));
    EXPECT_TRUE(text.contains("\"Genie\""));
    EXPECT_EQ(boxes.boxes()[0].title, "Sprachausgabe Fehlernachricht");
    EXPECT_EQ(spoken().size(), 1) << "Genie greets";
    ASSERT_NE(agent.character("Genie"), nullptr);

    closeWindow();
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(iniText().endsWith("[Charakter]\r\nC=Genie\r\n"));
}

TEST_F(readerCharacterFile,
    AGoneCharacterFileFallsBackTooAndWithoutAnyThatLoadsTheReaderSaysItStaysMute)
{
    writeIni(kMerlinSettings);
    QFile::remove(characterDir.filePath("Merlin.acs"));
    agent.damage("Merlin.acs", "Charakterdatei nicht gefunden");
    agent.damage("Genie.acs", "Die Charakterdatei ist beschädigt.");
    agent.damage("Robby.acs", "Die Charakterdatei ist beschädigt.");
    ASSERT_TRUE(start());
    EXPECT_EQ(requests().filter("LoadCharacter").size(), 3);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("\"Merlin.acs\""));
    EXPECT_TRUE(boxes.boxes()[0].text.contains("stumm"));
    // The choice stays, so that the next start tries the file again.
    EXPECT_EQ(control<QComboBox>("cmbAgent")->currentText(), "Merlin");
    type("Haus ");
    click("Command3");
    EXPECT_EQ(boxes.boxes().size(), 1) << "every later request fails quietly";
    closeWindow();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(iniText().endsWith("[Charakter]\r\nC=Merlin\r\n"));
}

TEST_F(readerFullDisk, TheSettingsFileStaysByteForByteAndTheUserIsTold)
{
    QByteArray before = kMerlinSettings + "[Notizen]\r\n";
    for (int line = 0; before.size() < 5115; ++line)
        before += "N" + QByteArray::number(line) + "=eine eigene Zeile\r\n";
    writeIni(before);
    ASSERT_TRUE(start());
    control<QScrollBar>("HScroll1")->setValue(90);
    ASSERT_TRUE(disk.fill());
    closeWindow();
    EXPECT_EQ(iniText(), before);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(
        boxes.boxes()[0].text.startsWith("Die Einstellungen konnten nicht gespeichert werden."))
        << qPrintable(boxes.boxes()[0].text);
    EXPECT_TRUE(boxes.boxes()[0].text.contains("Agent.ini"));
    EXPECT_EQ(quits, 1);

    // With room again the next exit saves.
    disk.clear();
    ASSERT_TRUE(start());
    control<QScrollBar>("HScroll1")->setValue(90);
    closeWindow();
    EXPECT_TRUE(iniText().startsWith("[Speed]\r\nV=90\r\n"));
    EXPECT_TRUE(iniText().endsWith(before.mid(before.indexOf("[Notizen]"))));
}

TEST_F(readerOutsideEnd, TheEndOfTheSessionSavesTheSettingsQuietlyAndTheWindowStillEndsNormally)
{
    ASSERT_TRUE(start());
    suite::reader::OutsideEnd outsideEnd([this] { app->saveAtOutsideEnd(); });
    control<QScrollBar>("HScroll1")->setValue(190);
    forgetRequests();
    outsideEnd.endOfSession();
    EXPECT_TRUE(iniText().startsWith("[Speed]\r\nV=190\r\n")) << iniText().constData();
    EXPECT_TRUE(requests().isEmpty()) << "no farewell, no animation";
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(quits, 0);

    // A cancelled logout leaves a reader that works and ends as always.
    control<QScrollBar>("HScroll1")->setValue(200);
    closeWindow();
    EXPECT_EQ(quits, 1);
    EXPECT_TRUE(iniText().startsWith("[Speed]\r\nV=200\r\n"));
    EXPECT_TRUE(requests().contains(
        "Speak(\\Spd=200\\Tschüss. Ich freue mich auf unser nächstes Treffen.)"));
    // After the window's own end there is nothing left to save.
    QFile::remove(QDir(programFolder).filePath("Agent.ini"));
    outsideEnd.endOfSession();
    EXPECT_TRUE(iniText().isEmpty());
}
