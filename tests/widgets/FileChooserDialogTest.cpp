#include "widgets/FileChooserDialog.h"
#include "widgets/StdDialoge.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

using namespace suite;

namespace {

// Runs `act` on the modal widget of type T as soon as the event loop of the dialog that is
// about to open runs.
template <typename T> void whenModal(std::function<void(T*)> act)
{
    QTimer::singleShot(0, [act] {
        T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(widget, nullptr) << "no modal " << T::staticMetaObject.className();
        act(widget);
    });
}

// Presses the dialog's "Open"/"Save" button, as the user does.
void pressAccept(QFileDialog* dialog)
{
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QPushButton* accept = buttons->button(QDialogButtonBox::Open);
    if (!accept)
        accept = buttons->button(QDialogButtonBox::Save);
    ASSERT_NE(accept, nullptr);
    ASSERT_TRUE(accept->isEnabled());
    accept->click();
}

class FileChooserDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile existing(dir.filePath(QStringLiteral("vorhanden.txt")));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        existing.write("Hallo");
    }
    void TearDown() override { QDir::setCurrent(savedCurrent); }

    QString folderPath() const { return dir.path() + u'/'; }

    QString savedCurrent = QDir::currentPath();
    QTemporaryDir dir;
    FileChooserDialog chooser;
    StdDialoge dialoge { chooser };
    QWidget owner;
};

} // namespace

TEST_F(FileChooserDialogTest, OpensTheRealDialogAndReturnsTheChosenFile)
{
    QString folder = folderPath();
    QStringList seenFilters;
    QString seenTitle;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        seenFilters = dialog->nameFilters();
        seenTitle = dialog->windowTitle();
        EXPECT_EQ(dialog->parentWidget(), &owner);
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->directory().canonicalPath(), QDir(dir.path()).canonicalPath());
        dialog->selectFile(QStringLiteral("vorhanden.txt"));
        pressAccept(dialog);
    });
    const QString name
        = dialoge.ShowOpenDialog(&owner, QStringLiteral("Text öffnen"), folder, QString(),
            QStringLiteral("Textdateien|*.txt;*.rtf|Alle Dateien|*.*"), QStringLiteral("*.txt"));
    EXPECT_EQ(name, QStringLiteral("vorhanden.txt"));
    EXPECT_EQ(QDir(folder).canonicalPath(), QDir(dir.path()).canonicalPath());
    EXPECT_TRUE(folder.endsWith(u'/'));
    EXPECT_EQ(seenTitle, QStringLiteral("Text öffnen"));
    EXPECT_EQ(seenFilters,
        (QStringList {
            QStringLiteral("Textdateien (*.txt *.rtf)"), QStringLiteral("Alle Dateien (*.*)") }));
}

TEST_F(FileChooserDialogTest, CancelReturnsNothingAndKeepsTheFolder)
{
    QString folder = folderPath();
    whenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(dialoge.ShowOpenDialog(&owner, {}, folder, {}, {}, {}), QString());
    EXPECT_EQ(folder, folderPath());
}

TEST_F(FileChooserDialogTest, SaveProposesTheNameAndAppendsTheDefaultSuffix)
{
    QString folder = folderPath();
    whenModal<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->defaultSuffix(), QStringLiteral("bmp"));
        dialog->selectFile(QStringLiteral("Screen"));
        pressAccept(dialog);
    });
    EXPECT_EQ(dialoge.ShowSaveDialog(&owner, {}, folder, QStringLiteral("Screen.bmp"),
                  QStringLiteral("BMP-Datei (*.bmp)|*.bmp"), QStringLiteral("*.bmp")),
        QStringLiteral("Screen.bmp"));
}

TEST_F(FileChooserDialogTest, SavingOverAnExistingFileAsksAndNoKeepsTheDialog)
{
    QString folder = folderPath();
    bool asked = false;
    bool keptOpen = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectFile(QStringLiteral("vorhanden.txt"));
        whenModal<QMessageBox>([&](QMessageBox* question) {
            asked = true;
            question->button(QMessageBox::No)->click();
        });
        pressAccept(dialog);
        keptOpen = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_EQ(dialoge.ShowFileDialog(&owner, {}, folder, {}, {}, {}, 1), QString());
    EXPECT_TRUE(asked);
    EXPECT_TRUE(keptOpen);
    EXPECT_EQ(folder, folderPath());
}

TEST_F(FileChooserDialogTest, SavingWithoutQuestionReturnsAtOnce)
{
    QString folder = folderPath();
    whenModal<QFileDialog>([](QFileDialog* dialog) {
        dialog->selectFile(QStringLiteral("vorhanden.txt"));
        pressAccept(dialog);
        EXPECT_FALSE(dialog->isVisible());
    });
    EXPECT_EQ(
        dialoge.ShowFileDialog(&owner, {}, folder, {}, {}, {}, 2), QStringLiteral("vorhanden.txt"));
}

TEST_F(FileChooserDialogTest, SavingIntoAMissingFolderIsRefusedWithAMessage)
{
    QString folder = folderPath();
    QString message;
    bool keptOpen = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        dialog->selectFile(dir.filePath(QStringLiteral("fehlt/neu.txt")));
        whenModal<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        pressAccept(dialog);
        keptOpen = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_EQ(dialoge.ShowSaveDialog(&owner, {}, folder, {}, {}, {}), QString());
    EXPECT_TRUE(keptOpen);
    EXPECT_TRUE(message.contains(QStringLiteral("fehlt"))) << message.toStdString();
}

// The names the dialog's file list shows once the folder has been read.
static QStringList listedNames(QFileDialog* dialog, const QStringList& awaited)
{
    auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
    if (!list)
        return {};
    QStringList names;
    QTest::qWaitFor([&] {
        names.clear();
        const QModelIndex root = list->rootIndex();
        for (int row = 0; row < list->model()->rowCount(root); ++row)
            names << list->model()->index(row, 0, root).data().toString();
        return std::all_of(awaited.begin(), awaited.end(),
            [&](const QString& name) { return names.contains(name); });
    });
    names.sort();
    return names;
}

TEST_F(FileChooserDialogTest, AllFilesListsEveryFileAndKeepsItsOwnText)
{
    for (const char* name : { "README", "Brief.rtf", "seite.html" })
        QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    const QStringList everyFile { "Brief.rtf", "README", "seite.html", "vorhanden.txt" };
    // The reader's and the browser's open dialogs, with their own filter texts.
    const std::vector<std::pair<QString, QStringList>> callers {
        { "TXT oder RTF Dateien (*.txt;*.rtf)|*.txt;*.rtf| Alle Dateien (*.*)|*.*",
            { "Brief.rtf", "vorhanden.txt" } },
        { "HTML (*.htm;*.html;*.vbd)|*.htm;*.html;*.vbd| Alle Dateien (*.*)|*.*",
            { "seite.html" } },
    };
    for (const auto& [filter, firstFilterFiles] : callers) {
        QString folder = folderPath();
        QStringList firstListed;
        QStringList allListed;
        QString shownFilter;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            firstListed = listedNames(dialog, firstFilterFiles);
            // The user picks the second filter from the list with the keyboard.
            auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);
            shownFilter = types->currentText();
            allListed = listedNames(dialog, everyFile);
            dialog->selectFile(QStringLiteral("README"));
            pressAccept(dialog);
        });
        const QString name = dialoge.ShowOpenDialog(
            &owner, QStringLiteral("Öffnen"), folder, {}, filter, QStringLiteral("*.*"));
        EXPECT_EQ(firstListed, firstFilterFiles) << filter.toStdString();
        EXPECT_EQ(shownFilter, QStringLiteral("Alle Dateien (*.*)"));
        EXPECT_EQ(allListed, everyFile) << filter.toStdString();
        EXPECT_EQ(name, QStringLiteral("README"));
    }
}
