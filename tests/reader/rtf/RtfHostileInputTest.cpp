// Damaged and hostile files: each bound has one documented reaction, the text that can be
// read is kept, and the user is told.
#include "RtfTestSupport.h"

#include "reader/rtf/RtfColorTable.h"
#include "reader/rtf/RtfFontTable.h"
#include "reader/rtf/RtfParser.h"

#include <gtest/gtest.h>

using namespace suite;
using namespace suite::test;
using rtf::RtfIssue;

namespace {

const QString damaged
    = QStringLiteral("Die RTF-Datei ist beschädigt; es wurde gelesen, was lesbar war.");

QByteArray repeated(const QByteArray& piece, int times)
{
    return piece.repeated(times);
}

} // namespace

TEST(RtfHostileInput, AMillionNestedGroupsAreReadFlatWithoutRecursion)
{
    const auto result = rtf::read("{\\rtf1 a" + repeated("{", 1000000) + "b");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(text(result), "ab");
    EXPECT_TRUE(result.issues.testFlag(RtfIssue::NestingTooDeep));
    EXPECT_TRUE(result.issues.testFlag(RtfIssue::MissingClosingBrace));
    EXPECT_TRUE(result.message.startsWith(damaged));
    EXPECT_TRUE(result.message.contains(u"zu tief verschachtelt"));

    const auto closed
        = rtf::read("{\\rtf1 a" + repeated("{", 1000000) + "b" + repeated("}", 1000000) + "c}");
    EXPECT_EQ(text(closed), "abc");
    EXPECT_EQ(closed.issues, RtfIssue::NestingTooDeep);
}

TEST(RtfHostileInput, GroupsUpToTheDepthBoundKeepTheirScopeAndDeeperOnesShareTheirParents)
{
    const int depth = rtf::RtfParser::kMaxDepth;
    // The root group is the first level, so depth - 2 groups and the bold one just fit.
    const auto fits = rtf::read(
        "{\\rtf1" + repeated("{", depth - 2) + "{\\b x}y" + repeated("}", depth - 2) + "z}");
    EXPECT_EQ(fits.issues, rtf::RtfIssues());
    EXPECT_EQ(text(fits), "xyz");
    EXPECT_TRUE(everyChar(*fits.document, "x", isBold));
    EXPECT_TRUE(everyChar(*fits.document, "y", isPlain));

    // One level more: the bold group is read as part of its parent, so the bold runs on
    // until the parent closes; nothing after the parent is affected.
    const auto tooDeep = rtf::read(
        "{\\rtf1" + repeated("{", depth - 1) + "{\\b x}y" + repeated("}", depth - 1) + "z}");
    EXPECT_EQ(tooDeep.issues, RtfIssue::NestingTooDeep);
    EXPECT_EQ(text(tooDeep), "xyz");
    EXPECT_TRUE(everyChar(*tooDeep.document, "xy", isBold));
    EXPECT_TRUE(everyChar(*tooDeep.document, "z", isPlain));
}

TEST(RtfHostileInput, AStrayClosingBraceNeverPopsTheEmptyStack)
{
    const auto result = readRtf("{\\rtf1 {\\b eins}}}} zwei {\\i drei}}");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(text(result), "eins zwei drei");
    EXPECT_TRUE(everyChar(*result.document, "drei", isItalic));
    EXPECT_TRUE(result.issues.testFlag(RtfIssue::StrayClosingBrace));
    EXPECT_TRUE(result.issues.testFlag(RtfIssue::TrailingContent));
    EXPECT_EQ(result.message, damaged);

    // Line ends and NUL padding after the last brace are normal, not damage.
    const auto padded = rtf::read(QByteArray("{\\rtf1 text}\r\n\0\0", 16));
    EXPECT_EQ(padded.issues, rtf::RtfIssues());
    EXPECT_TRUE(padded.message.isEmpty());
}

TEST(RtfHostileInput, AMissingFinalBraceKeepsWhatWasRead)
{
    const auto result = readRtf("{\\rtf1 {\\b fett} und noch\\par mehr Text");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(text(result), "fett und noch\nmehr Text");
    EXPECT_EQ(result.issues, RtfIssue::MissingClosingBrace);
    EXPECT_EQ(result.message, damaged);

    EXPECT_EQ(text(readRtf("{\\rtf1 ende\\")), "ende");
    EXPECT_EQ(text(readRtf("{\\rtf1 ende\\'4")), "ende");
    EXPECT_TRUE(readRtf("{\\rtf1 ende\\'4").issues.testFlag(RtfIssue::BadHexByte));
}

TEST(RtfHostileInput, BinaryLengthsBeyondTheInputSkipToTheEnd)
{
    const auto huge = readRtf("{\\rtf1 vorher\\bin2147483647 }}}} nachher}");
    EXPECT_EQ(text(huge), "vorher");
    EXPECT_TRUE(huge.issues.testFlag(RtfIssue::BinaryTruncated));
    EXPECT_EQ(huge.message, damaged);

    // A negative length skips nothing.
    EXPECT_EQ(text(readRtf("{\\rtf1 a\\bin-5 b}")), "ab");
}

TEST(RtfHostileInput, OverlongControlWordsAreIgnoredWithoutBreakingTheParse)
{
    const QByteArray longWord(10000, 'x');
    const auto result = rtf::read("{\\rtf1 a\\" + longWord + "123 b{\\b c}}");
    EXPECT_EQ(text(result), "abc");
    EXPECT_TRUE(everyChar(*result.document, "c", isBold));
    EXPECT_EQ(result.issues, RtfIssue::ControlWordTooLong);

    // 32 letters are still a word (an unknown one, ignored silently); 33 are too many.
    EXPECT_EQ(rtf::read("{\\rtf1 a\\" + QByteArray(32, 'q') + " b}").issues, rtf::RtfIssues());
    EXPECT_EQ(rtf::read("{\\rtf1 a\\" + QByteArray(33, 'q') + " b}").issues,
        RtfIssue::ControlWordTooLong);
}

TEST(RtfHostileInput, OverlongParametersAreIgnoredWithTheirWord)
{
    const auto fifty
        = rtf::read("{\\rtf1 a\\fs" + QByteArray(50, '9') + " b\\b" + QByteArray(50, '1') + " c}");
    EXPECT_EQ(text(fifty), "abc");
    EXPECT_TRUE(everyChar(*fifty.document, "abc", isPlain));
    EXPECT_TRUE(everyChar(*fifty.document, "abc",
        [](const QTextCharFormat& f) { return !f.hasProperty(QTextFormat::FontPointSize); }));
    EXPECT_EQ(fifty.issues, RtfIssue::ParameterTooLong);

    // Ten digits are allowed while the value fits in 32 bits.
    const auto ten = readRtf("{\\rtf1\\fs0000000024 x}");
    EXPECT_EQ(ten.issues, rtf::RtfIssues());
    EXPECT_DOUBLE_EQ(formatAt(*ten.document, 0).fontPointSize(), 12.0);
    EXPECT_EQ(readRtf("{\\rtf1\\fs4294967296 x}").issues, RtfIssue::ParameterTooLong);
    EXPECT_EQ(readRtf("{\\rtf1\\u-2147483649?x}").issues, RtfIssue::ParameterTooLong);
}

TEST(RtfHostileInput, ColourTablesAreBoundedAndExtraEntriesIgnored)
{
    const auto result = rtf::read("{\\rtf1{\\colortbl;" + repeated("\\red1\\green2\\blue3;", 100000)
        + "}{\\cf9999 letzte}{\\cf10000 zuviel}}");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(text(result), "letztezuviel");
    EXPECT_TRUE(everyChar(*result.document, "letzte",
        [](const QTextCharFormat& f) { return f.foreground().color() == QColor(1, 2, 3); }));
    EXPECT_TRUE(everyChar(*result.document, "zuviel",
        [](const QTextCharFormat& f) { return !f.hasProperty(QTextFormat::ForegroundBrush); }));
    EXPECT_EQ(result.issues, RtfIssue::TooManyTableEntries);
    EXPECT_TRUE(result.message.contains(u"zu viele Schriften oder Farben"));
}

TEST(RtfHostileInput, FontTablesAreBoundedAndExtraFontsUseTheDocumentCodePage)
{
    QByteArray fonts = "{\\fonttbl";
    for (int i = 0; i < 100000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + "\\fcharset204 F;}";
    fonts += "}";
    const auto result = rtf::read("{\\rtf1\\ansi" + fonts + "{\\f9999 \\'e4}{\\f10000 \\'e4}}");
    EXPECT_EQ(text(result), QStringLiteral("дä"));
    EXPECT_EQ(result.issues, RtfIssue::TooManyTableEntries);
}

TEST(RtfHostileInput, ACutAnywhereInARealFileIsReportedAndNeverFatal)
{
    const QByteArray full = fixture("pandoc-sample.rtf");
    ASSERT_FALSE(full.isEmpty());
    const qsizetype end = full.lastIndexOf('}') + 1;
    for (qsizetype cut = 5; cut < end; ++cut) {
        const auto result = rtf::read(full.left(cut));
        ASSERT_TRUE(result.ok) << cut;
        ASSERT_TRUE(result.issues.testFlag(RtfIssue::MissingClosingBrace)) << cut;
    }
    EXPECT_EQ(rtf::read(full.left(end)).issues, rtf::RtfIssues());
}
