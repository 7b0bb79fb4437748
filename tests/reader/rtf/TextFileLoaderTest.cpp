// Opening a file for the reader's field: the content decides between RTF and plain text.
#include "RtfTestSupport.h"

#include "reader/rtf/TextFileLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace suite;
using namespace suite::test;
using rtf::LoadedFormat;
using ::testing::ElementsAre;

namespace {

class TextFileLoaderTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(TextFileLoaderTest, RtfIsRecognisedByContentWhateverTheFileIsCalled)
{
    const auto rtfAsTxt = rtf::loadFile(write("brief.txt", "{\\rtf1 {\\b Gr\\'fc\\'dfe}}"));
    ASSERT_TRUE(rtfAsTxt.ok);
    EXPECT_EQ(rtfAsTxt.format, LoadedFormat::Rtf);
    EXPECT_EQ(rtfAsTxt.document->toPlainText(), QStringLiteral("Grüße"));
    EXPECT_TRUE(everyChar(*rtfAsTxt.document, "Grüße", isBold));

    const auto textAsRtf = rtf::loadFile(write("notiz.rtf", "Nur {Text}\\par"));
    ASSERT_TRUE(textAsRtf.ok);
    EXPECT_EQ(textAsRtf.format, LoadedFormat::PlainText);
    EXPECT_EQ(textAsRtf.document->toPlainText(), "Nur {Text}\\par");
}

TEST_F(TextFileLoaderTest, PlainTextIsUtf8WhenValidElseWindows1252)
{
    const auto utf8 = rtf::loadFile(write("a.txt", "Grüße\r\naus Köln\n"));
    ASSERT_TRUE(utf8.ok);
    EXPECT_THAT(paragraphs(*utf8.document), ElementsAre(u"Grüße", u"aus Köln", u""));

    const auto ansi = rtf::loadFile(write("b.txt",
        "Gr\xfc\xdf"
        "e \x80 \x84ja\x93"));
    EXPECT_EQ(ansi.document->toPlainText(), QStringLiteral("Grüße € „ja“"));

    const auto bom = rtf::loadFile(write("c.txt", "\xEF\xBB\xBF\xC3\xA4rger"));
    EXPECT_EQ(bom.document->toPlainText(), QStringLiteral("ärger"));

    const auto utf16 = rtf::loadFile(write("d.txt", QByteArray("\xFF\xFE\xE4\0x\0", 6)));
    EXPECT_EQ(utf16.document->toPlainText(), QStringLiteral("äx"));

    const auto rtfAfterBom = rtf::loadFile(write("e.rtf", "\xEF\xBB\xBF{\\rtf1 \\b x}"));
    EXPECT_EQ(rtfAfterBom.format, LoadedFormat::Rtf);
    EXPECT_EQ(rtfAfterBom.document->toPlainText(), "x");
}

TEST_F(TextFileLoaderTest, ADamagedRtfLoadsWithAWarning)
{
    const auto result = rtf::loadFile(write("kaputt.rtf", "{\\rtf1 halb"));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.document->toPlainText(), "halb");
    EXPECT_EQ(result.message,
        QStringLiteral("Die RTF-Datei ist beschädigt; es wurde gelesen, was lesbar war."));
}

TEST_F(TextFileLoaderTest, MissingUnreadableAndOddFilesLoadNothingAndSayWhy)
{
    const auto missing = rtf::loadFile(m_dir.filePath("weg.txt"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.document, nullptr);
    EXPECT_EQ(missing.format, LoadedFormat::None);
    EXPECT_EQ(missing.message, QStringLiteral("Die Datei „weg.txt“ konnte nicht gelesen werden."));

    const auto folder = rtf::loadFile(m_dir.path());
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.message.isEmpty());

    if (::geteuid() != 0) { // root reads every file
        const QString locked = write("gesperrt.txt", "geheim");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const auto refused = rtf::loadFile(locked);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.message,
            QStringLiteral("Die Datei „gesperrt.txt“ konnte nicht gelesen werden."));
    }

    // A named pipe would block the reader forever.
    const QString fifo = m_dir.filePath("rohr");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(rtf::loadFile(fifo).ok);
}

TEST_F(TextFileLoaderTest, FilesOverTwentyMegabytesAreRefused)
{
    const QString path = m_dir.filePath("gross.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(rtf::kMaxLoadBytes + 1)); // sparse: costs no disk space
    file.close();
    const auto tooBig = rtf::loadFile(path);
    EXPECT_FALSE(tooBig.ok);
    EXPECT_EQ(tooBig.document, nullptr);
    EXPECT_EQ(tooBig.message,
        QStringLiteral("Die Datei „gross.txt“ ist größer als 20 MB und wurde nicht geladen."));

    ASSERT_TRUE(QFile::resize(path, rtf::kMaxLoadBytes));
    EXPECT_TRUE(rtf::loadFile(path).ok);
}
