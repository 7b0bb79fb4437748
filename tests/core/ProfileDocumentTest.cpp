#include "core/ProfileDocument.h"

#include <gtest/gtest.h>

using suite::ProfileDocument;

namespace {

const QByteArray agentIni
    = "[Speed]\r\nV=150\r\n[Begruessung]\r\nB=1\r\n[Verabschiedung]\r\nV=1\r\n"
      "[Sprache]\r\nL=ger\r\n[Charakter]\r\nC=Genie\r\n";

QString read(const QByteArray& bytes, const char* section, const char* key,
    const QString& defaultValue = QString(), int buffer = 255)
{
    return ProfileDocument::parse(bytes).read(
        QString::fromUtf8(section), QString::fromUtf8(key), defaultValue, buffer);
}

} // namespace

TEST(ProfileDocumentRead, FindsEachSettingOfAnAgentIniInItsOwnSection)
{
    const ProfileDocument doc = ProfileDocument::parse(agentIni);
    EXPECT_EQ(doc.read("Speed", "V", ""), "150");
    EXPECT_EQ(doc.read("Verabschiedung", "V", ""), "1");
    EXPECT_EQ(doc.read("Sprache", "L", ""), "ger");
    EXPECT_EQ(doc.read("Charakter", "C", ""), "Genie");
    EXPECT_EQ(doc.read("Charakter", "X", "nix"), "nix");
    EXPECT_EQ(doc.read("Fehlt", "C", "nix"), "nix");
    EXPECT_EQ(doc.sections(),
        QStringList({ "Speed", "Begruessung", "Verabschiedung", "Sprache", "Charakter" }));
}

TEST(ProfileDocumentRead, MatchesSectionsAndKeysWithoutRegardToCaseAndBlanks)
{
    EXPECT_EQ(read(agentIni, "sPEED", "v"), "150");
    EXPECT_EQ(read(agentIni, "  charakter ", " c"), "Genie");
    EXPECT_EQ(read("[ Speed ]\n  V  =  120  \n", "Speed", "V"), "120");
    EXPECT_EQ(read("[Grüße]\nÄ=ö\n", "GRÜSSE", "ä", "-"), "-") << "no locale folding of ß";
    EXPECT_EQ(read("[Grüße]\nÄ=ö\n", "GRÜßE", "ä"), "ö");
}

TEST(ProfileDocumentRead, FirstDuplicateKeyAndFirstDuplicateSectionWin)
{
    EXPECT_EQ(read("[S]\nk=1\nK=2\n", "s", "k"), "1");
    EXPECT_EQ(read("[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "k"), "1");
    EXPECT_EQ(read("[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "j", "d"), "d");
}

TEST(ProfileDocumentRead, LinesBeforeTheFirstSectionFormTheUnnamedSection)
{
    const QByteArray bytes = "a=1\nb=2\n[S]\na=3\n";
    EXPECT_EQ(read(bytes, "", "a"), "1");
    EXPECT_EQ(read(bytes, "", "b"), "2");
    EXPECT_EQ(read(bytes, "S", "a"), "3");
    EXPECT_EQ(read(bytes, "S", "b", "d"), "d");
    EXPECT_EQ(ProfileDocument::parse(bytes).sections(), QStringList({ "", "S" }));
}

TEST(ProfileDocumentRead, TrimsCrAndCtrlZAndEndsAHeaderAtItsLastBracket)
{
    EXPECT_EQ(read("\t[S]\x1a\r\r\n k = v \x1a\r\n", "S", "k"), "v");
    EXPECT_EQ(read("[a]b]\nk=1\n", "a]b", "k"), "1");
    EXPECT_EQ(read("[S] ; Notiz ]\nk=1\n", "S] ; Notiz", "k"), "1");
    EXPECT_EQ(read("[S\nk=1\n", "S", "k", "d"), "d") << "an unclosed header is not a section";
    EXPECT_EQ(read("[S\nk=1\n", "", "k", "d"), "1");
}

TEST(ProfileDocumentRead, DropsMatchingQuotesOnly)
{
    const QByteArray bytes = "[S]\na=\"x y\"\nb='x'\nc=\"x'\nd=\"\ne=''\nf=\"a\"b\"\n";
    EXPECT_EQ(read(bytes, "S", "a"), "x y");
    EXPECT_EQ(read(bytes, "S", "b"), "x");
    EXPECT_EQ(read(bytes, "S", "c"), "\"x'");
    EXPECT_EQ(read(bytes, "S", "d"), "\"");
    EXPECT_EQ(read(bytes, "S", "e", "d"), "");
    EXPECT_EQ(read(bytes, "S", "f"), "a\"b");
}

TEST(ProfileDocumentRead, CutsAtNulAndHonoursTheBufferSize)
{
    const QByteArray withNul("[S]\nk=ab\0cd\n", 12);
    EXPECT_EQ(read(withNul, "S", "k"), "ab");
    EXPECT_EQ(read("[S]\nk=Genie\n", "S", "k", "", 6), "Genie");
    EXPECT_EQ(read("[S]\nk=Genie\n", "S", "k", "", 5), "Geni");
    EXPECT_EQ(read("[S]\nk=Genie\n", "S", "k", "", 1), "");
    EXPECT_EQ(read("[S]\nk=Genie\n", "S", "k", "", 0), "");
    EXPECT_EQ(read("[S]\n", "S", "k", "Vorgabe  ", 255), "Vorgabe");
    EXPECT_EQ(read("[S]\n", "S", "k", "Vorgabe", 4), "Vor");
    const QString emoji = QString::fromUtf8("a\xF0\x9F\x98\x80"); // a + one surrogate pair
    EXPECT_EQ(read("[S]\nk=" + emoji.toUtf8() + "\n", "S", "k", "", 3), "a")
        << "a surrogate pair is never split";
}

TEST(ProfileDocumentRead, HonoursAByteOrderMarkAndUtf8Values)
{
    const QByteArray bytes = "\xEF\xBB\xBF[Charakter]\r\nC=M\xC3\xBCller\r\n";
    EXPECT_EQ(read(bytes, "Charakter", "C"), QString::fromUtf8("M\xC3\xBCller"));
    ProfileDocument doc = ProfileDocument::parse(bytes);
    EXPECT_EQ(doc.serialise(), bytes);
    ASSERT_TRUE(doc.write("Speed", "V", "90"));
    EXPECT_TRUE(doc.serialise().startsWith("\xEF\xBB\xBF[Charakter]\r\n"));
    // Only the file's first bytes are a byte order mark: a value may begin with U+FEFF.
    const QString zwnbsp = QString(QChar(0xFEFF)) + "x";
    ASSERT_TRUE(doc.write("Speed", "V", zwnbsp));
    EXPECT_EQ(ProfileDocument::parse(doc.serialise()).read("Speed", "V", ""), zwnbsp);
    ProfileDocument noBom = ProfileDocument::parse({});
    ASSERT_TRUE(noBom.write("", zwnbsp, "1"));
    EXPECT_EQ(ProfileDocument::parse(noBom.serialise()).read("", zwnbsp, ""), "1");
}

TEST(ProfileDocumentRead, ALineWithoutEqualsSignIsKeptButIsNoKey)
{
    const QByteArray bytes = "[S]\n; Kommentar\nNurText\nk=1\n";
    EXPECT_EQ(read(bytes, "S", "NurText", "d"), "d");
    EXPECT_EQ(read(bytes, "S", "; Kommentar", "d"), "d");
    ProfileDocument doc = ProfileDocument::parse(bytes);
    ASSERT_EQ(doc.entries("S").size(), 1);
    EXPECT_EQ(doc.entries("S")[0].key, "k");
    ASSERT_TRUE(doc.write("S", "k", "2"));
    EXPECT_EQ(doc.serialise(), "[S]\n; Kommentar\nNurText\nk=2\r\n");
}

TEST(ProfileDocumentWrite, AFreshFileHoldsTheFiveSectionsInTheOrderWritten)
{
    ProfileDocument doc = ProfileDocument::parse({});
    ASSERT_TRUE(doc.write("Speed", "V", "150"));
    ASSERT_TRUE(doc.write("Begruessung", "B", "1"));
    ASSERT_TRUE(doc.write("Verabschiedung", "V", "1"));
    ASSERT_TRUE(doc.write("Sprache", "L", "ger"));
    ASSERT_TRUE(doc.write("Charakter", "C", "Genie"));
    EXPECT_EQ(doc.serialise(), agentIni);
}

TEST(ProfileDocumentWrite, ReplacesAnExistingLineInPlaceAndLeavesEveryOtherByteAlone)
{
    const QByteArray before
        = "; Einstellungen\n\n[speed]\n  v = 120 ; alt\n\tX=1\n\n[Sprache]\nL=ger";
    ProfileDocument doc = ProfileDocument::parse(before);
    ASSERT_TRUE(doc.write("Speed", "V", "200"));
    EXPECT_EQ(doc.serialise(), "; Einstellungen\n\n[speed]\nv=200\r\n\tX=1\n\n[Sprache]\nL=ger")
        << "the key keeps its spelling, the file its other lines and its missing last newline";
    ASSERT_TRUE(doc.write("SPRACHE", "l", ""));
    EXPECT_TRUE(doc.serialise().endsWith("[Sprache]\nL=\r\n"));
    EXPECT_EQ(doc.read("Sprache", "L", "d"), "");
}

TEST(ProfileDocumentWrite, ANewKeyGoesAfterTheLastKeyOfItsSectionNotAfterBlankLines)
{
    ProfileDocument doc = ProfileDocument::parse("[A]\na=1\n; Notiz\n\n\n[B]\nb=1\n");
    ASSERT_TRUE(doc.write("a", "neu", "2"));
    EXPECT_EQ(doc.serialise(), "[A]\na=1\nneu=2\r\n; Notiz\n\n\n[B]\nb=1\n");
    ProfileDocument empty = ProfileDocument::parse("[A]\n\n[B]\n");
    ASSERT_TRUE(empty.write("A", "k", "v"));
    EXPECT_EQ(empty.serialise(), "[A]\nk=v\r\n\n[B]\n");
}

TEST(ProfileDocumentWrite, ANewSectionGoesToTheEndAndALastLineGetsItsEnding)
{
    ProfileDocument doc = ProfileDocument::parse("[A]\na=1");
    ASSERT_TRUE(doc.write("B", "b", "2"));
    EXPECT_EQ(doc.serialise(), "[A]\na=1\r\n[B]\r\nb=2\r\n");
    ProfileDocument unnamed = ProfileDocument::parse("; oben\n[A]\na=1\n");
    ASSERT_TRUE(unnamed.write("", "x", "0"));
    EXPECT_EQ(unnamed.serialise(), "x=0\r\n; oben\n[A]\na=1\n");
}

TEST(ProfileDocumentWrite, RefusesWhatWouldNotReadBackAndChangesNothing)
{
    ProfileDocument doc = ProfileDocument::parse(agentIni);
    const QList<std::tuple<QString, QString, QString>> bad = {
        { "Speed", "V", "1\r\n[Evil]" },
        { "Speed", "", "1" },
        { "Speed", "a=b", "1" },
        { "Speed", "[x]", "1" },
        { "Sp\need", "V", "1" },
        { "Speed", "V", QString::fromUtf8("1\0002", 3) },
    };
    for (const auto& [section, key, value] : bad) {
        const suite::Result result = doc.write(section, key, value);
        EXPECT_FALSE(result.ok) << qPrintable(key);
        EXPECT_FALSE(result.error.isEmpty());
    }
    EXPECT_EQ(doc.serialise(), agentIni);
}

TEST(ProfileDocumentRobustness, JunkNulBytesAndHugeLinesParseAndUnchangedLinesSurviveAWrite)
{
    QByteArray junk;
    for (int i = 0; i < 70000; ++i)
        junk.append(static_cast<char>((i * 7919 + i / 13) % 256));
    const QByteArray hugeLine = "big=" + QByteArray(1024 * 1024, 'x');
    const QByteArray before = junk + "\n[S]\n" + hugeLine + "\n" + QByteArray("a\0b=c\n", 6);
    ProfileDocument doc = ProfileDocument::parse(before);
    EXPECT_EQ(doc.serialise(), before);
    EXPECT_EQ(doc.read("S", "big", "", 1 << 21).size(), 1024 * 1024);
    ASSERT_TRUE(doc.write("S", "neu", "1"));
    const QByteArray after = doc.serialise();
    EXPECT_TRUE(after.startsWith(junk + "\n[S]\n" + hugeLine + "\n"));
    EXPECT_EQ(ProfileDocument::parse(after).read("S", "neu", ""), "1");
}

TEST(ProfileDocumentRobustness, AFileOfManySectionsAndKeysStaysLinear)
{
    // Hundreds of thousands of lines: a parser or writer that is quadratic never finishes.
    QByteArray bytes;
    for (int s = 0; s < 2000; ++s) {
        bytes += "[Abschnitt" + QByteArray::number(s) + "]\r\n";
        for (int k = 0; k < 100; ++k)
            bytes += "k" + QByteArray::number(k) + "=" + QByteArray::number(s * k) + "\r\n";
    }
    ProfileDocument doc = ProfileDocument::parse(bytes);
    EXPECT_EQ(doc.read("abschnitt1999", "K99", ""), QString::number(1999 * 99));
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(doc.write("Abschnitt1000", "neu" + QString::number(i), "x"));
    const ProfileDocument again = ProfileDocument::parse(doc.serialise());
    EXPECT_EQ(again.read("Abschnitt1000", "neu19", ""), "x");
    EXPECT_EQ(again.entries("Abschnitt1000").size(), 120);
}
