// Text and formatting as a user sees them in the field after opening an RTF file.
#include "RtfTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using namespace suite::test;
using ::testing::ElementsAre;

TEST(RtfFormatting, ParagraphsLineBreaksAndTheClosingParAddNoEmptyParagraph)
{
    const auto result = readRtf("{\\rtf1\\ansi Erste Zeile\\par\n"
                                "Zweite\\line Zeile\\par\\pard\\par Vierte\\page F\\'fcnfte\\sect "
                                "Sechste\\par}");
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.message.isEmpty());
    EXPECT_THAT(paragraphs(*result.document),
        ElementsAre(u"Erste Zeile", u"Zweite\u2028Zeile", u"", u"Vierte", u"Fünfte", u"Sechste"));
}

TEST(RtfFormatting, BoldItalicUnderlineAndStrikeFollowGroupsAndZeroParameters)
{
    const auto result = readRtf("{\\rtf1 normal {\\b fett} \\i kursiv\\i0  wieder "
                                "\\ul unter\\ulnone  nicht \\ul0 \\b\\ul beides\\b0\\ul0  "
                                "{\\strike weg} {\\b\\i\\ul alles}\\plain  schlicht}");
    const QTextDocument& doc = *result.document;
    EXPECT_EQ(text(result), "normal fett kursiv wieder unter nicht beides weg alles schlicht");
    EXPECT_TRUE(everyChar(doc, "normal", isPlain));
    EXPECT_TRUE(everyChar(doc, "fett", isBold));
    EXPECT_TRUE(everyChar(doc, "kursiv", isItalic));
    EXPECT_TRUE(everyChar(doc, "wieder", isPlain));
    EXPECT_TRUE(everyChar(doc, "unter", isUnderlined));
    EXPECT_TRUE(everyChar(doc, "nicht", isPlain));
    EXPECT_TRUE(everyChar(doc, "beides",
        [](const QTextCharFormat& f) { return isBold(f) && isUnderlined(f) && !isItalic(f); }));
    EXPECT_TRUE(everyChar(doc, "weg", [](const QTextCharFormat& f) { return f.fontStrikeOut(); }));
    EXPECT_TRUE(everyChar(doc, "alles",
        [](const QTextCharFormat& f) { return isBold(f) && isItalic(f) && isUnderlined(f); }));
    EXPECT_TRUE(everyChar(doc, "schlicht", isPlain));
    // The blank between two formatted words takes the format in force where it stands.
    EXPECT_TRUE(isPlain(formatAt(doc, QStringLiteral("normal fett").indexOf(u' '))));
}

TEST(RtfFormatting, FontSizesAreHalfPointsAndColoursComeFromTheTable)
{
    const auto result
        = readRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
                  "\\fs20 klein {\\fs48 gross} {\\cf1 rot} {\\cf2 gruen} "
                  "{\\cf0 auto} {\\cf99 unbekannt} {\\fs0 null}}");
    const QTextDocument& doc = *result.document;
    EXPECT_EQ(text(result), "klein gross rot gruen auto unbekannt null");
    EXPECT_DOUBLE_EQ(formatAt(doc, 0).fontPointSize(), 10.0);
    EXPECT_TRUE(everyChar(
        doc, "gross", [](const QTextCharFormat& f) { return f.fontPointSize() == 24.0; }));
    EXPECT_TRUE(everyChar(doc, "rot",
        [](const QTextCharFormat& f) { return f.foreground().color() == QColor(255, 0, 0); }));
    EXPECT_TRUE(everyChar(doc, "gruen",
        [](const QTextCharFormat& f) { return f.foreground().color() == QColor(0, 128, 0); }));
    // Entry 0 is "auto" and 99 does not exist: both keep the field's own colour.
    EXPECT_TRUE(everyChar(doc, "auto",
        [](const QTextCharFormat& f) { return !f.hasProperty(QTextFormat::ForegroundBrush); }));
    EXPECT_TRUE(everyChar(doc, "unbekannt",
        [](const QTextCharFormat& f) { return !f.hasProperty(QTextFormat::ForegroundBrush); }));
    EXPECT_TRUE(everyChar(doc, "null",
        [](const QTextCharFormat& f) { return !f.hasProperty(QTextFormat::FontPointSize); }));
}

TEST(RtfFormatting, AColourTableWithoutTheLastSemicolonStillCounts)
{
    const auto result = readRtf("{\\rtf1{\\colortbl;\\red0\\green0\\blue255}{\\cf1 blau}}");
    EXPECT_TRUE(everyChar(*result.document, "blau",
        [](const QTextCharFormat& f) { return f.foreground().color() == QColor(0, 0, 255); }));
}

TEST(RtfFormatting, SpecialCharactersAndEscapes)
{
    const auto result
        = readRtf("{\\rtf1 a\\emdash b\\endash c\\bullet d\\lquote e\\rquote f\\ldblquote g"
                  "\\rdblquote h\\~i\\-j\\_k\\tab l \\\\ \\{ \\}\tm}");
    EXPECT_EQ(text(result),
        QStringLiteral("a\u2014b\u2013c\u2022d\u2018e\u2019f\u201Cg\u201Dh\u00A0ij\u2011k\tl "
                       "\\ { }\tm"));
}

TEST(RtfFormatting, TablesReadAsOneParagraphPerRowWithTabsBetweenCells)
{
    // Word's way: \pard\intbl before each cell, \row closing the row.
    const auto word = readRtf("{\\rtf1 Vorher\\par"
                              "\\trowd\\cellx1000\\cellx2000\\cellx3000"
                              "\\pard\\intbl Name\\cell\\pard\\intbl Wert\\cell\\cell\\row"
                              "\\trowd\\cellx1000\\cellx2000\\cellx3000"
                              "\\pard\\intbl Zeile\\par zwei\\cell\\cell 3\\cell\\row"
                              "\\pard Nachher\\par}");
    EXPECT_THAT(paragraphs(*word.document),
        ElementsAre(u"Vorher", u"Name\tWert", u"Zeile\u2028zwei\t\t3", u"Nachher"));

    // pandoc's way: every cell is its own group ending in \par.
    const auto pandoc = readRtf("{\\rtf1{\\trowd\\cellx4320\\cellx8640\\trkeep\\intbl{"
                                "{{\\pard\\intbl\\ql A1\\par}\\cell}"
                                "{{\\pard\\intbl\\ql B1\\par}\\cell}}\\intbl\\row}"
                                "{\\trowd\\cellx4320\\cellx8640\\trkeep\\intbl{"
                                "{{\\pard\\intbl\\ql A2\\par}\\cell}"
                                "{{\\pard\\intbl\\ql B2\\par}\\cell}}\\intbl\\row}"
                                "{\\pard Text\\par}}");
    EXPECT_THAT(paragraphs(*pandoc.document), ElementsAre(u"A1\tB1", u"A2\tB2", u"Text"));
}

TEST(RtfFormatting, DestinationsThatAreNotTextStayOutOfTheDocument)
{
    const auto result = readRtf(
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\stylesheet{\\s1 Heading;}}"
        "{\\info{\\title Titel}{\\author Autor}}{\\header Kopf}{\\footer Fuss}"
        "{\\*\\generator Schreiber 1.0;}{\\*\\unbekannt geheim {\\b tief}}"
        "{\\pict\\wmetafile8 0102030405}{\\object{\\*\\objdata 0a0b}{\\result Ergebnis}}"
        "{\\footnote Fussnote}{\\v versteckt}"
        "Sichtbar {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt {\\ul Verweis}}} "
        "{\\field{\\fldinst PAGE}{\\fldrslt 7}} Ende}");
    EXPECT_EQ(text(result), "Sichtbar Verweis 7 Ende");
    EXPECT_TRUE(everyChar(*result.document, "Verweis", isUnderlined));
}

TEST(RtfFormatting, BinaryDataIsSkippedEvenWhenItHoldsBracesAndBackslashes)
{
    QByteArray rtf("{\\rtf1 vor {\\pict\\bin6 ");
    rtf += QByteArray("}\\{x\0\xff", 6);
    rtf += "} nach}";
    const auto result = rtf::read(rtf);
    EXPECT_EQ(text(result), "vor  nach");
    EXPECT_EQ(result.issues, rtf::RtfIssues());
}

TEST(RtfFormatting, NonRtfBytesAreRefusedWithAMessage)
{
    const auto result = rtf::read("Nur Text, kein {\\rtf1}");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, "Die Datei ist keine RTF-Datei.");
    ASSERT_NE(result.document, nullptr);
    EXPECT_TRUE(result.document->isEmpty());
    EXPECT_FALSE(rtf::isRtf("{\\rt"));
    EXPECT_TRUE(rtf::isRtf("\xEF\xBB\xBF{\\rtf1}"));
    EXPECT_TRUE(rtf::read("\xEF\xBB\xBF{\\rtf1 mit BOM}").ok);
}

TEST(RtfFormatting, TheDocumentKeepsAnEmptyUndoHistoryForTheField)
{
    const auto result = readRtf("{\\rtf1 a\\par b\\par c}");
    EXPECT_TRUE(result.document->isUndoRedoEnabled());
    EXPECT_FALSE(result.document->isUndoAvailable());
}
