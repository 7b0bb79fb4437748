// The recognizer and its reader on pictures a screen shows: light and dark grounds, pictures
// without text, pictures beyond the bounds, and a read that is stopped.
#include "ocr/PictureReader.h"
#include "fakes/TextPicture.h"
#include "ocr/PicturePreparation.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace suite::ocr;
using namespace suite::test;

namespace {

// Reads through the reader as a window does, waiting for the end.
Recognition readAndWait(PictureReader& reader, const QImage& picture)
{
    QSignalSpy finished(&reader, &PictureReader::finished);
    reader.read(picture);
    if (!finished.wait(120000))
        return {};
    return finished.first().first().value<Recognition>();
}

} // namespace

TEST(ocrReader, ReadsGermanOnLightAndDarkGroundsAndSaysWhenThereIsNoText)
{
    PictureReader reader;
    for (const bool dark : { false, true }) {
        const Recognition read = readAndWait(reader, textPicture(GermanSentence, dark));
        ASSERT_EQ(read.outcome, Recognition::Outcome::Text) << qPrintable(read.error);
        EXPECT_EQ(wordsOf(read.text), wordsOf(GermanSentence)) << (dark ? "dark" : "light");
    }
    EXPECT_EQ(readAndWait(reader, textPicture(QString())).outcome, Recognition::Outcome::NoText);
}

TEST(ocrReader, AStoppedReadEndsAtOnceItsResultNeverComesAndTheNextReadWorks)
{
    PictureReader reader;
    QSignalSpy finished(&reader, &PictureReader::finished);
    // A page of text, long enough to be stopped in the middle.
    QString page;
    for (int i = 0; i < 40; ++i)
        page += GermanSentence + QLatin1Char(' ');
    reader.read(textPicture(page, false, { 1400, 1400 }));
    ASSERT_TRUE(reader.isReading());
    reader.cancel();
    ASSERT_EQ(finished.size(), 1) << "told at once, without waiting for the recognizer";
    EXPECT_EQ(
        finished.first().first().value<Recognition>().outcome, Recognition::Outcome::Cancelled);
    EXPECT_FALSE(reader.isReading());

    // The stopped work's text is dropped; the recognizer is free for the next picture.
    finished.clear();
    const Recognition next = readAndWait(reader, textPicture(GermanSentence));
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(wordsOf(next.text), wordsOf(GermanSentence));
}

TEST(ocrReader, TheRecognizerItselfStopsWhenAskedWhileItWorks)
{
    TextRecognizer recognizer;
    std::atomic_bool cancelled { false };
    QString page;
    for (int i = 0; i < 40; ++i)
        page += GermanSentence + QLatin1Char(' ');
    int reports = 0;
    const Recognition read
        = recognizer.recognize(textPicture(page, false, { 1400, 1400 }), cancelled, [&](int) {
              ++reports;
              cancelled = true;
          });
    EXPECT_EQ(read.outcome, Recognition::Outcome::Cancelled);
    EXPECT_GE(reports, 1);
    EXPECT_TRUE(read.text.isEmpty());
}

TEST(ocrPreparation, HugePicturesAreScaledIntoTheBoundAndDarkGroundsInverted)
{
    QImage wide(12000, 3000, QImage::Format_Grayscale8);
    wide.fill(Qt::white);
    const PreparedPicture huge = preparePicture(wide);
    EXPECT_EQ(huge.grey.size(), QSize(MaximumSide, 2000));
    EXPECT_EQ(huge.grey.format(), QImage::Format_Grayscale8);
    const PreparedPicture dark = preparePicture(textPicture(GermanSentence, true));
    EXPECT_TRUE(dark.inverted);
    EXPECT_EQ(dark.scale, 2) << "a small capture is read at twice its size";
    EXPECT_FALSE(preparePicture(textPicture(GermanSentence)).inverted);
}
