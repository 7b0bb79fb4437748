#include "browser/AddressText.h"
#include "browser/BrowserIni.h"
#include "browser/FavouritesFile.h"
#include "browser/HistoryFile.h"
#include "browser/LineFile.h"
#include "browser/WebEngineLanguage.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QUrl>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace suite::browser;

namespace {

class BrowserFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytesOf(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(BrowserFiles, IniGivesNothingWhenMissingAndValuesFromTheFourthCharacter)
{
    EXPECT_FALSE(BrowserIni::read(path("Browser.ini")).readable);

    put("Browser.ini",
        "[Startseite]\r\nSS file:///start.html\r\n[Suchmaschine]\r\nSM https://s.example/?q=\r\n");
    BrowserSettings settings = BrowserIni::read(path("Browser.ini"));
    ASSERT_TRUE(settings.readable);
    EXPECT_EQ(settings.startPage.value_or("-"), "file:///start.html");
    EXPECT_EQ(settings.searchEngine.value_or("-"), "https://s.example/?q=");

    // "SS" directly followed by the address loses the address's first character; an empty
    // "SS " gives an empty start page; "ss" is no key; the later line wins.
    put("Browser.ini", "SSfile:///a.html\nss ignored\nSM first\rSM  second \r\n");
    settings = BrowserIni::read(path("Browser.ini"));
    EXPECT_EQ(settings.startPage.value_or("-"), "ile:///a.html");
    EXPECT_EQ(settings.searchEngine.value_or("-"), " second ");

    put("Browser.ini", "[Startseite]\r\nSS \r\n");
    settings = BrowserIni::read(path("Browser.ini"));
    EXPECT_EQ(settings.startPage.value_or("-"), "");
    EXPECT_FALSE(settings.searchEngine.has_value());
}

TEST_F(BrowserFiles, IniIsWrittenAsFourTrimmedCrLfLines)
{
    ASSERT_TRUE(BrowserIni::write(path("Browser.ini"), "  file:///x.html ", ""));
    EXPECT_EQ(
        bytesOf("Browser.ini"), "[Startseite]\r\nSS file:///x.html\r\n[Suchmaschine]\r\nSM \r\n");
    const BrowserSettings back = BrowserIni::read(path("Browser.ini"));
    EXPECT_EQ(back.startPage.value_or("-"), "file:///x.html");
    EXPECT_EQ(back.searchEngine.value_or("-"), "");
}

TEST_F(BrowserFiles, AFileThatCannotBeWrittenSaysWhy)
{
    // A folder in the file's place cannot be replaced by any user, root included.
    ASSERT_TRUE(QDir(dir.path()).mkpath("Browser.ini/keep"));
    const suite::Result blocked = BrowserIni::write(path("Browser.ini"), "new", "new");
    EXPECT_FALSE(blocked.ok);
    EXPECT_TRUE(blocked.error.contains("Browser.ini"));
    EXPECT_TRUE(QDir(path("Browser.ini/keep")).exists());
}

TEST_F(BrowserFiles, AFullDiskKeepsTheOldFileByteForByte)
{
    put("verlauf.Dat", "old\r\n");
    // A child limited to 4 KiB per file stands in for a full disk.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 4096, 4096 };
        setrlimit(RLIMIT_FSIZE, &limit);
        const suite::Result result
            = HistoryFile::save(path("verlauf.Dat"), QStringList(100, QString(200, u'x')));
        _exit(result.ok ? 1 : (result.error.contains("verlauf.Dat") ? 0 : 2));
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: no reason given";
    EXPECT_EQ(bytesOf("verlauf.Dat"), "old\r\n");
}

TEST_F(BrowserFiles, HistoryKeepsEveryLineAndSavesTheFirst102Trimmed)
{
    EXPECT_TRUE(HistoryFile::load(path("verlauf.Dat")).isEmpty());

    QStringList list;
    for (int i = 0; i < 150; ++i)
        list << QStringLiteral("  file:///page%1.html ").arg(i);
    list[3] = QString();
    ASSERT_TRUE(HistoryFile::save(path("verlauf.Dat"), list));
    const QStringList loaded = HistoryFile::load(path("verlauf.Dat"));
    ASSERT_EQ(loaded.size(), 102);
    EXPECT_EQ(loaded.first(), "file:///page0.html");
    EXPECT_EQ(loaded.at(3), "");
    EXPECT_EQ(loaded.last(), "file:///page101.html");
    EXPECT_TRUE(bytesOf("verlauf.Dat").startsWith("file:///page0.html\r\nfile:///page1.html\r\n"));
}

TEST_F(BrowserFiles, FavouritesAppendTrimmedWithDuplicatesAndRemoveRewritesSortedWithoutEmptyLines)
{
    EXPECT_FALSE(FavouritesFile::load(path("favoriten.Dat")).has_value());
    ASSERT_TRUE(FavouritesFile::append(path("favoriten.Dat"), "  http://z/  "));
    ASSERT_TRUE(FavouritesFile::append(path("favoriten.Dat"), "http://z/"));
    ASSERT_TRUE(FavouritesFile::append(path("favoriten.Dat"), ""));
    EXPECT_EQ(bytesOf("favoriten.Dat"), "http://z/\r\nhttp://z/\r\n\r\n");

    put("favoriten.Dat", "http://z/\r\n\r\n   \r\n http://b/\r\nhttp://a/\r\nhttp://z/\r\n");
    ASSERT_TRUE(FavouritesFile::remove(path("favoriten.Dat"), "http://z/"));
    EXPECT_EQ(bytesOf("favoriten.Dat"), "http://a/\r\nhttp://b/\r\nhttp://z/\r\n");
    // An entry no longer on disk removes nothing else.
    ASSERT_TRUE(FavouritesFile::remove(path("favoriten.Dat"), "http://gone/"));
    EXPECT_EQ(bytesOf("favoriten.Dat"), "http://a/\r\nhttp://b/\r\nhttp://z/\r\n");
}

TEST_F(BrowserFiles, FavouritesSortAlphabeticallyIgnoringCase)
{
    QStringList entries = { "Zeit.de", "amazon.de", "Ärzte.de", "bahn.de", "Amazon.de", "zdf.de" };
    FavouritesFile::sortAlphabetically(entries);
    EXPECT_EQ(entries,
        QStringList({ "Amazon.de", "amazon.de", "Ärzte.de", "bahn.de", "zdf.de", "Zeit.de" }));
}

TEST_F(BrowserFiles, AppendingNeverMergesWithALastLineWithoutBreak)
{
    put("favoriten.Dat", "http://a/");
    ASSERT_TRUE(FavouritesFile::append(path("favoriten.Dat"), "http://b/"));
    EXPECT_EQ(FavouritesFile::load(path("favoriten.Dat")).value_or(QStringList()),
        QStringList({ "http://a/", "http://b/" }));
}

TEST_F(BrowserFiles, LinesKeepUmlautsAndOnlyBlanksAreTrimmed)
{
    ASSERT_TRUE(LineFile::writeLines(path("x"), { "Grüße", "\tTab " }));
    EXPECT_EQ(
        LineFile::readLines(path("x")).value_or(QStringList()), QStringList({ "Grüße", "\tTab " }));
    EXPECT_EQ(LineFile::trimBlanks("  \tTab  "), "\tTab");
}

TEST_F(BrowserFiles, AnOversizedFileIsNeitherReadNorReplacedByAnAppend)
{
    {
        QFile big(path("favoriten.Dat"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(LineFile::maxBytes + 1));
    }
    EXPECT_FALSE(FavouritesFile::load(path("favoriten.Dat")).has_value());
    EXPECT_FALSE(FavouritesFile::append(path("favoriten.Dat"), "http://a/").ok);
    EXPECT_EQ(QFile(path("favoriten.Dat")).size(), LineFile::maxBytes + 1);
}

TEST(WebEngineLanguage, GermanOnAGermanDesktopAndOnOneWithoutALanguage)
{
    const auto wantsGerman = [](std::initializer_list<std::pair<const char*, const char*>> vars) {
        QProcessEnvironment environment;
        for (const auto& [name, value] : vars)
            environment.insert(name, value);
        return suite::browser::WebEngineLanguage::desktopWantsGerman(environment);
    };
    EXPECT_TRUE(wantsGerman({}));
    EXPECT_TRUE(wantsGerman({ { "LANG", "C.UTF-8" } }));
    EXPECT_TRUE(wantsGerman({ { "LANG", "de_AT.UTF-8" } }));
    EXPECT_TRUE(wantsGerman({ { "LANG", "en_US.UTF-8" }, { "LC_MESSAGES", "de_DE@euro" } }));
    EXPECT_FALSE(wantsGerman({ { "LANG", "en_GB.UTF-8" } }));
    EXPECT_FALSE(wantsGerman({ { "LANG", "de_DE.UTF-8" }, { "LC_ALL", "fr_FR.UTF-8" } }));
    EXPECT_FALSE(wantsGerman({ { "LANG", "dex" } }));
}

TEST(AddressText, AnyFileNameGivesTheAddressOfThatFile)
{
    using suite::browser::AddressText;
    QTemporaryDir dir;
    const QString odd = dir.filePath("a#b?c%d e.html");
    QFile(odd).open(QIODevice::WriteOnly);
    const QString address = AddressText::forFile(odd);
    EXPECT_TRUE(address.startsWith("file:///"));
    EXPECT_EQ(QUrl::fromUserInput(address).toLocalFile(), odd);

    EXPECT_EQ(AddressText::fromCommandLine({ "a#b?c%d e.html" }, dir.path()), address);
    EXPECT_EQ(AddressText::fromCommandLine({ "-style", "--", "-x.html" }, dir.path()), "-x.html");
    EXPECT_EQ(AddressText::fromCommandLine({ "https://example.org/?q=1" }, dir.path()),
        "https://example.org/?q=1");
    EXPECT_EQ(
        AddressText::fromCommandLine({ "file:///tmp/x.html" }, dir.path()), "file:///tmp/x.html");
    EXPECT_EQ(AddressText::fromCommandLine({ "example.org" }, dir.path()), "example.org");
    EXPECT_EQ(AddressText::fromCommandLine({}, dir.path()), "");
}
