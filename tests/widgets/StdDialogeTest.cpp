#include "widgets/StdDialoge.h"

#include "fakes/FakeFileChooser.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

using namespace suite;
using suite::test::FakeFileChooser;

namespace {

const QString BmpFilter = QStringLiteral("BMP-Datei (*.bmp)|*.bmp");

// Every test here may move the process into another folder; each puts it back.
class StdDialogeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    void TearDown() override { QDir::setCurrent(savedCurrent); }

    QString folderPath() const { return dir.path() + u'/'; }

    QString savedCurrent = QDir::currentPath();
    QTemporaryDir dir;
    FakeFileChooser chooser;
    StdDialoge dialoge { chooser };
    QWidget owner;
};

} // namespace

TEST(FileDialogFilters, ConvertsPairsIntoDialogFilters)
{
    EXPECT_EQ(fileDialogFilters(BmpFilter), QStringList { QStringLiteral("BMP-Datei (*.bmp)") });
    EXPECT_EQ(fileDialogFilters(QStringLiteral("Textdateien|*.txt;*.rtf|Alle Dateien|*.*")),
        (QStringList {
            QStringLiteral("Textdateien (*.txt *.rtf)"), QStringLiteral("Alle Dateien (*.*)") }));
    // The description's own pattern list gives way to the real one.
    EXPECT_EQ(fileDialogFilters(QStringLiteral("Texte (*.txt)|*.txt; *.rtf")),
        QStringList { QStringLiteral("Texte (*.txt *.rtf)") });
    // A description in brackets that names no patterns stays.
    EXPECT_EQ(fileDialogFilters(QStringLiteral("Bild (farbig)|*.bmp")),
        QStringList { QStringLiteral("Bild (farbig) (*.bmp)") });
}

TEST(FileDialogFilters, IncompleteTextsStillGiveWorkingFilters)
{
    // No "|" at all: one entry that shows every file.
    EXPECT_EQ(fileDialogFilters(QStringLiteral("Alle Dateien")),
        QStringList { QStringLiteral("Alle Dateien (*)") });
    // A trailing "|" adds an empty pair, which is no filter.
    EXPECT_EQ(
        fileDialogFilters(BmpFilter + u'|'), QStringList { QStringLiteral("BMP-Datei (*.bmp)") });
    EXPECT_EQ(fileDialogFilters(BmpFilter + QStringLiteral("||")),
        QStringList { QStringLiteral("BMP-Datei (*.bmp)") });
    // A pattern without a description is shown as itself.
    EXPECT_EQ(fileDialogFilters(QStringLiteral("|*.htm;*.html")),
        QStringList { QStringLiteral("*.htm *.html") });
    EXPECT_EQ(fileDialogFilters(QString()), QStringList());
    EXPECT_EQ(fileDialogFilters(QStringLiteral("|")), QStringList());
}

TEST(FileDialogFilters, DefaultExtensionBecomesTheSuffix)
{
    EXPECT_EQ(fileDialogSuffix(QStringLiteral("*.bmp")), QStringLiteral("bmp"));
    EXPECT_EQ(fileDialogSuffix(QStringLiteral("bmp")), QStringLiteral("bmp"));
    EXPECT_EQ(fileDialogSuffix(QStringLiteral(".txt")), QStringLiteral("txt"));
    EXPECT_EQ(fileDialogSuffix(QStringLiteral("*.txt;*.rtf")), QStringLiteral("txt"));
    EXPECT_EQ(fileDialogSuffix(QStringLiteral("*.*")), QString());
    EXPECT_EQ(fileDialogSuffix(QStringLiteral("*")), QString());
    EXPECT_EQ(fileDialogSuffix(QString()), QString());
}

TEST_F(StdDialogeTest, OpenDialogAsksForAnExistingFileWithTheCallersSettings)
{
    QString folder = folderPath();
    chooser.setNextCancel();
    dialoge.ShowOpenDialog(&owner, QStringLiteral("Datei öffnen"), folder,
        QStringLiteral("Screen.bmp"), BmpFilter, QStringLiteral("*.bmp"));
    ASSERT_EQ(chooser.requests().size(), 1);
    const FileRequest request = chooser.lastRequest();
    EXPECT_EQ(request.owner, &owner);
    EXPECT_EQ(request.title, QStringLiteral("Datei öffnen"));
    EXPECT_EQ(request.startFolder, folderPath());
    EXPECT_EQ(request.proposedName, QStringLiteral("Screen.bmp"));
    EXPECT_EQ(request.filters, QStringList { QStringLiteral("BMP-Datei (*.bmp)") });
    EXPECT_EQ(request.defaultSuffix, QStringLiteral("bmp"));
    EXPECT_EQ(request.kind, FileDialogKind::Open);
}

TEST_F(StdDialogeTest, KindSelectsOpenOrSaveAndUnknownKindsSaveAsking)
{
    QString folder;
    const auto kindOf = [&](int kind) {
        dialoge.ShowFileDialog(&owner, {}, folder, {}, {}, {}, kind);
        return chooser.lastRequest().kind;
    };
    EXPECT_EQ(kindOf(0), FileDialogKind::Open);
    EXPECT_EQ(kindOf(1), FileDialogKind::SaveAskingToOverwrite);
    EXPECT_EQ(kindOf(2), FileDialogKind::SaveWithoutAsking);
    EXPECT_EQ(kindOf(3), FileDialogKind::SaveAskingToOverwrite);
    EXPECT_EQ(kindOf(-1), FileDialogKind::SaveAskingToOverwrite);
    dialoge.ShowSaveDialog(&owner, {}, folder, {}, {}, {});
    EXPECT_EQ(chooser.lastRequest().kind, FileDialogKind::SaveAskingToOverwrite);
}

TEST_F(StdDialogeTest, ConfirmedDialogReturnsTheNameAndSetsTheFolderWithItsSlash)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Daten")));
    const QString daten = dir.path() + QStringLiteral("/Daten");
    QString folder = QStringLiteral("/anderswo/");
    chooser.setNextFileName(daten + QStringLiteral("/Bild.bmp"));
    const QString name = dialoge.ShowSaveDialog(
        &owner, {}, folder, QStringLiteral("Screen.bmp"), BmpFilter, QStringLiteral("*.bmp"));
    EXPECT_EQ(name, QStringLiteral("Bild.bmp"));
    EXPECT_EQ(folder, daten + u'/');
    EXPECT_EQ(folder + name, daten + QStringLiteral("/Bild.bmp"));
    // The process now works in the chosen folder, as after the original dialog.
    EXPECT_EQ(QDir::currentPath(), QDir(daten).canonicalPath());
}

TEST_F(StdDialogeTest, FileInTheRootGivesTheRootAsFolder)
{
    QString folder = folderPath();
    chooser.setNextFileName(QStringLiteral("/Bild.bmp"));
    EXPECT_EQ(dialoge.ShowOpenDialog(&owner, {}, folder, {}, {}, {}), QStringLiteral("Bild.bmp"));
    EXPECT_EQ(folder, QStringLiteral("/"));
}

TEST_F(StdDialogeTest, CancelLeavesTheFolderExactlyAsPassed)
{
    const QDir before = QDir::current();
    for (const QString& passed : { folderPath(), QString(), QStringLiteral("C:\\Daten") }) {
        QString folder = passed;
        chooser.setNextCancel();
        EXPECT_EQ(dialoge.ShowOpenDialog(&owner, {}, folder, {}, {}, {}), QString());
        EXPECT_EQ(folder, passed);
        EXPECT_EQ(folder.isNull(), passed.isNull());
    }
    EXPECT_EQ(QDir::current(), before);
}

TEST_F(StdDialogeTest, AnswerWithoutAFileNameCountsAsFailure)
{
    QString folder = QStringLiteral("/start/");
    chooser.setNextFileName(dir.path() + u'/');
    EXPECT_EQ(dialoge.ShowSaveDialog(&owner, {}, folder, {}, {}, {}), QString());
    EXPECT_EQ(folder, QStringLiteral("/start/"));
}

TEST_F(StdDialogeTest, ProposedNameIsCutTo255Characters)
{
    QString folder;
    dialoge.ShowSaveDialog(&owner, {}, folder, QString(300, u'a'), {}, {});
    EXPECT_EQ(chooser.lastRequest().proposedName, QString(255, u'a'));
    dialoge.ShowSaveDialog(&owner, {}, folder, QString(255, u'b'), {}, {});
    EXPECT_EQ(chooser.lastRequest().proposedName, QString(255, u'b'));
}
