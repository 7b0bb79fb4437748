// The page's "speichern", "speichern unter", "Drucken" and "Druckvorschau" from the menu, and
// downloads.
#include "BrowserWindowFixture.h"

#include "browser/frmExplorer.h"
#include "fakes/QtPrinters.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QUrl>

using suite::browser::frmExplorer;

namespace {

using BrowserSavePrint = suite::test::BrowserWindowFixture;

const QString article = QStringLiteral("<html><head><title>Zeitung</title></head><body>"
                                       "<p>Heute regnet es</p></body></html>");

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A saved page's text, with the soft line breaks of an MHTML archive taken out.
QByteArray savedText(const QString& path)
{
    return contentOf(path).replace("=\r\n", "");
}

bool waitForFileWith(const QString& path, const QByteArray& content)
{
    return QTest::qWaitFor([&] { return savedText(path).contains(content); }, 20000);
}

} // namespace

TEST_F(BrowserSavePrint, EachSaveCommandWritesTheFormatTheChosenNameAsksFor)
{
    const QString start = page("zeitung.html", article);
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_NE(window, nullptr);

    const QString html = dir.filePath("seite.html");
    chooser.setNextFileName(html);
    trigger(window, "mnuHTMLSU");
    ASSERT_TRUE(waitForFileWith(html, "Heute regnet es"))
        << savedText(html).left(300).toStdString();
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.lastRequest().title, "HTML Seite speichern unter");
    EXPECT_EQ(chooser.lastRequest().proposedName, "Zeitung.html");
    EXPECT_NE(chooser.lastRequest().kind, suite::FileDialogKind::Open);
    // A web page a browser opens as HTML, not a MIME archive.
    EXPECT_FALSE(contentOf(html).contains("MIME-Version"));
    EXPECT_TRUE(contentOf(html).contains("<title>Zeitung</title>"));

    const QString archive = dir.filePath("nochmal.mhtml");
    chooser.setNextFileName(archive);
    trigger(window, "mnuHTMLS");
    EXPECT_TRUE(waitForFileWith(archive, "Heute regnet es"));
    EXPECT_EQ(chooser.requests().size(), 2);
    EXPECT_TRUE(contentOf(archive).contains("MIME-Version"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(BrowserSavePrint, ADownloadGetsADialogOfItsOwn)
{
    const QString start = page("zeitung.html", article);
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_NE(window, nullptr);
    const QByteArray zip("PK\x03\x04 kein echtes Archiv", 26);
    writeFile("archiv.zip", zip);

    const QString target = dir.filePath("geladen.zip");
    chooser.setNextFileName(target);
    window->addressBox()->setEditText(QUrl::fromLocalFile(dir.filePath("archiv.zip")).toString());
    click(window, "Command1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return contentOf(target) == zip; }, 20000));
    ASSERT_EQ(chooser.requests().size(), 1);
    EXPECT_EQ(chooser.lastRequest().title, "Datei speichern unter");
    EXPECT_EQ(chooser.lastRequest().proposedName, "archiv.zip");
    EXPECT_EQ(chooser.lastRequest().filters, QStringList({ "Alle Dateien (*)" }));
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(BrowserSavePrint, CancellingTheSaveDialogWritesNothing)
{
    const QString start = page("zeitung.html", article);
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_NE(window, nullptr);
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    chooser.setNextCancel();
    trigger(window, "mnuHTMLSU");
    ASSERT_TRUE(QTest::qWaitFor([&] { return chooser.requests().size() == 1; }, 20000));
    QTest::qWait(500);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(BrowserSavePrint, PrintingSendsThePageToTheChosenPrinter)
{
    const QString start = page("zeitung.html", article);
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_NE(window, nullptr);

    const QString pdf = dir.filePath("druck.pdf");
    printDialogs.setCancel(true);
    printDialogs.setPdfFile(pdf);
    trigger(window, "mnuD");
    EXPECT_EQ(printDialogs.printDialogs(), 1);
    EXPECT_FALSE(QFileInfo::exists(pdf));

    printDialogs.setCancel(false);
    trigger(window, "mnuD");
    EXPECT_EQ(printDialogs.printDialogs(), 2);
    EXPECT_EQ(printDialogs.previews(), 0);
    EXPECT_TRUE(contentOf(pdf).startsWith("%PDF"));
    EXPECT_GT(QFileInfo(pdf).size(), 100);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(BrowserSavePrint, ThePreviewDrawsThePage)
{
    const QString start = page("zeitung.html", article);
    writeIni(start, start);
    frmExplorer* window = openBrowser();
    ASSERT_NE(window, nullptr);

    const QString pdf = dir.filePath("vorschau.pdf");
    printDialogs.setPdfFile(pdf);
    trigger(window, "mnuDV");
    EXPECT_EQ(printDialogs.previews(), 1);
    EXPECT_EQ(printDialogs.printDialogs(), 0);
    EXPECT_TRUE(contentOf(pdf).startsWith("%PDF"));
    EXPECT_GT(QFileInfo(pdf).size(), 100);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}
