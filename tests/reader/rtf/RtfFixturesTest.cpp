// RTF written by other programs (see fixtures/README.md for how each file was made).
#include "RtfTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using namespace suite::test;
using ::testing::ElementsAre;

TEST(RtfFixtures, PandocDocumentWithUmlautsFormattingAndATable)
{
    const auto result = rtf::read(fixture("pandoc-sample.rtf"));
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.message.isEmpty()) << result.message.toStdString();
    const QTextDocument& doc = *result.document;
    EXPECT_THAT(paragraphs(doc),
        ElementsAre(u"Grüße aus Köln", u"Der Bär läuft über die Straße.",
            u"Ein Satz mit fett und kursiv und „Anführungszeichen“ – mit Gedankenstrich.",
            u"Name\tGröße", u"Äpfel\tgroß", u"Öl\tsüß", u"",
            u"Zum Schluss: Maß, Fuß & Soße — 10 € für 3 Stück."));
    // The heading is bold at 18 pt; pandoc's \fs36 is in half-points.
    EXPECT_TRUE(everyChar(doc, "Grüße aus Köln",
        [](const QTextCharFormat& f) { return isBold(f) && f.fontPointSize() == 18.0; }));
    EXPECT_TRUE(everyChar(doc, "Bär", isBold));
    EXPECT_TRUE(everyChar(doc, "über", isItalic));
    EXPECT_TRUE(everyChar(doc, "läuft", isPlain));
    EXPECT_TRUE(everyChar(doc, "fett", isBold));
    EXPECT_TRUE(everyChar(doc, "kursiv", isItalic));
    EXPECT_TRUE(everyChar(doc, " und ", isPlain));
}

TEST(RtfFixtures, LibreOfficeDocumentWithCyrillicGreekAndATable)
{
    const auto result = rtf::read(fixture("libreoffice-mixed.rtf"));
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(result.message.isEmpty()) << result.message.toStdString();
    const QTextDocument& doc = *result.document;
    // LibreOffice writes each umlaut twice, as \u252 and as its \'fc fallback: one must go.
    EXPECT_THAT(paragraphs(doc),
        ElementsAre(u"Schöne Grüße: Übermut tut selten gut, Ärger auch nicht.",
            u"Русский текст: Привет, мир!", u"Ελληνικά: Καλημέρα.", u"Stadt\tEinwohner",
            u"München\t1,5 Mio.", u"Düsseldorf\t0,6 Mio."));
    EXPECT_TRUE(everyChar(doc, "Übermut", isBold));
    EXPECT_TRUE(everyChar(doc, "Ärger", isItalic));
    EXPECT_TRUE(everyChar(doc, "Schöne Grüße: ", isPlain));
    EXPECT_TRUE(everyChar(doc, " tut selten gut, ", isPlain));
    // Style sheet, document information and page styles stay out of the text.
    EXPECT_FALSE(doc.toPlainText().contains(u"Heading"));
    EXPECT_FALSE(doc.toPlainText().contains(u"LibreOffice"));
}
