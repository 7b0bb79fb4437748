#include "widgets/agent/CharacterFile.h"
#include "fakes/FakeCharacterFile.h"

#include <QDir>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace suite;
using suite::test::FakeCharacterFile;
using ::testing::HasSubstr;

namespace {

QString parseError(const QByteArray& bytes)
{
    CharacterData data;
    const Result r = CharacterFile::parse(bytes, &data);
    return r ? QString() : r.error;
}

// The test character with one piece of it replaced.
QByteArray edited(const QByteArray& from, const QByteArray& to)
{
    QByteArray text = FakeCharacterFile::text();
    EXPECT_TRUE(text.contains(from)) << from.constData();
    return text.replace(from, to);
}

QString shippedDir()
{
    return qEnvironmentVariable("SPRACHAUSGABE_SYSTEM_DIR") + QStringLiteral("/msagent/chars");
}

} // namespace

TEST(CharacterFileTest, ReadsEveryPartOfAValidFile)
{
    CharacterData data;
    ASSERT_TRUE(CharacterFile::parse(FakeCharacterFile::text(), &data));
    EXPECT_EQ(data.id, "Testy");
    EXPECT_EQ(data.name, "Testfigur Testy");
    EXPECT_EQ(data.voice.language, "de");
    EXPECT_EQ(data.voice.variant, "m3");
    EXPECT_EQ(data.voice.pitch, 40);
    EXPECT_EQ(data.wordsPerMinute, 150);
    EXPECT_EQ(data.size, QSize(60, 80));
    EXPECT_EQ(data.mouth, QStringList({ "m0", "m1", "m2" }));
    ASSERT_EQ(data.animations.value("Show").size(), 3);
    EXPECT_EQ(data.animations.value("Show").at(1).frame, "up");
    EXPECT_EQ(data.animations.value("Show").at(1).durationMs, 20);
    EXPECT_TRUE(data.frames.value("up").alone);
    EXPECT_FALSE(data.frames.value("m1").alone);
}

TEST(CharacterFileTest, AcceptsWindowsLineEndsAndComments)
{
    QByteArray text = FakeCharacterFile::text();
    text.replace("\n", "\r\n");
    text.insert(text.indexOf("id "), "# eine Bemerkung\r\n\r\n");
    CharacterData data;
    const Result r = CharacterFile::parse(text, &data);
    EXPECT_TRUE(r) << r.error.toStdString();
    EXPECT_EQ(data.id, "Testy");
}

TEST(CharacterFileTest, LayersFramesOverTheBaseUnlessAFrameStandsAlone)
{
    CharacterData data;
    ASSERT_TRUE(CharacterFile::parse(FakeCharacterFile::text(), &data));
    const QByteArray layered = data.compose({ "m2" });
    EXPECT_TRUE(layered.contains("<use xlink:href=\"#base\"/>"));
    EXPECT_TRUE(layered.contains("height=\"6\""));
    const QByteArray alone = data.compose({ "up" });
    EXPECT_FALSE(alone.contains("<use xlink:href=\"#base\"/>"));
    EXPECT_TRUE(QSvgRenderer(alone).isValid());
    EXPECT_TRUE(QSvgRenderer(data.compose({ "up", "m1" })).isValid());
}

TEST(CharacterFileTest, RefusesDamagedFilesWithAReason)
{
    EXPECT_THAT(parseError("").toStdString(), HasSubstr("leer"));
    EXPECT_THAT(parseError("GIF89a").toStdString(), HasSubstr("acs 1"));
    // Truncated in the middle of a picture.
    const QByteArray text = FakeCharacterFile::text();
    EXPECT_THAT(parseError(text.left(text.indexOf("[frame m1]") + 30)).toStdString(),
        HasSubstr("unvollständig"));
    EXPECT_THAT(parseError(edited("[frame rest]", "[sound rest]")).toStdString(),
        HasSubstr("unbekannter Abschnitt"));
    EXPECT_THAT(parseError(edited("rate 150", "tempo 150")).toStdString(),
        HasSubstr("unbekannter Eintrag"));
    EXPECT_THAT(
        parseError(edited("<g/>", "<g><rect></g>")).toStdString(), HasSubstr("kein gültiges SVG"));
    EXPECT_THAT(parseError(edited("down 20\nup 20\nrest 10", "down 20\nfly 20")).toStdString(),
        HasSubstr("fehlende Bild \"fly\""));
    EXPECT_THAT(
        parseError(edited("mouth m0 m1 m2", "mouth m0 m1 m9")).toStdString(), HasSubstr("m9"));
    EXPECT_THAT(
        parseError(edited("mouth m0 m1 m2", "mouth m0 m1 up")).toStdString(), HasSubstr("alone"));
    EXPECT_THAT(
        parseError(edited("[frame m0]", "[frame rest]")).toStdString(), HasSubstr("doppelt"));
    EXPECT_THAT(parseError(edited("id Testy\n", "")).toStdString(), HasSubstr("\"id\" fehlt"));
    EXPECT_THAT(parseError(edited("#body\" transform=\"translate(0 -4)",
                               "#bodx\" transform=\"translate(0 -4)"))
                    .toStdString(),
        HasSubstr("fehlende Element #bodx"));
    EXPECT_THAT(parseError(edited("id Testy", "id ../x")).toStdString(), HasSubstr("Kennung"));
}

TEST(CharacterFileTest, BoundsSizesCountsAndDurations)
{
    EXPECT_THAT(
        parseError(edited("size 60 80", "size 60 100000")).toStdString(), HasSubstr("Größe"));
    EXPECT_THAT(parseError(edited("size 60 80", "size -60 80")).toStdString(), HasSubstr("Größe"));
    EXPECT_THAT(
        parseError(edited("size 60 80", "size 99999999999 80")).toStdString(), HasSubstr("Größe"));
    EXPECT_THAT(parseError(edited("up 20\ndown 20\nrest", "up 0\ndown 20\nrest")).toStdString(),
        HasSubstr("DAUER_MS"));
    EXPECT_THAT(parseError(edited("up 20\ndown 20\nrest", "up 20000\ndown 20\nrest")).toStdString(),
        HasSubstr("DAUER_MS"));
    EXPECT_THAT(parseError(edited("rate 150", "rate 5000")).toStdString(), HasSubstr("80 und 450"));
    EXPECT_THAT(
        parseError(edited("voice de m3 40", "voice de m3 400")).toStdString(), HasSubstr("Stimme"));

    QByteArray steps;
    for (int i = 0; i <= CharacterFile::kMaxSteps; ++i)
        steps += "up 10\n";
    EXPECT_THAT(
        parseError(edited("[animation Wave]\n", "[animation Wave]\n" + steps)).toStdString(),
        HasSubstr("Schritte"));

    QByteArray frames;
    for (int i = 0; i <= CharacterFile::kMaxFrames; ++i)
        frames += "[frame f" + QByteArray::number(i) + "]\n<g/>\n[end]\n";
    EXPECT_THAT(parseError(edited("[frame rest]", frames + "[frame rest]")).toStdString(),
        HasSubstr("Bilder"));

    QByteArray huge = FakeCharacterFile::text();
    huge.append(QByteArray(CharacterFile::kMaxBytes, '#'));
    EXPECT_THAT(parseError(huge).toStdString(), HasSubstr("MiB"));
}

TEST(CharacterFileTest, RefusesPicturesThatWouldTakeForeverToDraw)
{
    // Each level draws the one below ten times: a million rectangles from a few lines.
    QByteArray fanOut = "<defs><g id=\"l0\"><rect width=\"1\" height=\"1\"/></g>\n";
    for (int level = 1; level <= 6; ++level) {
        fanOut += "<g id=\"l" + QByteArray::number(level) + "\">";
        for (int i = 0; i < 10; ++i)
            fanOut += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>";
        fanOut += "</g>\n";
    }
    fanOut += "</defs><use xlink:href=\"#l6\"/>\n";
    EXPECT_THAT(parseError(edited("<g/>", fanOut)).toStdString(), HasSubstr("zu aufwendig"));

    const QByteArray cycle = "<g id=\"loop\"><use xlink:href=\"#loop\"/></g>";
    EXPECT_THAT(parseError(edited("<g/>", cycle)).toStdString(), HasSubstr("zu aufwendig"));

    QByteArray deep;
    for (int i = 0; i < 300; ++i)
        deep += "<g>";
    for (int i = 0; i < 300; ++i)
        deep += "</g>";
    EXPECT_THAT(parseError(edited("<g/>", deep)).toStdString(), HasSubstr("zu aufwendig"));

    // A modest reuse, as the shipped characters do, is fine.
    const QByteArray reuse
        = "<use xlink:href=\"#body\"/><use xlink:href=\"#base\" opacity=\"0.5\"/>";
    EXPECT_EQ(parseError(edited("<g/>", reuse)), "");
}

TEST(CharacterFileTest, LoadNamesTheFileThatIsMissingOrDamaged)
{
    QTemporaryDir dir;
    CharacterData data;
    const QString missing = dir.filePath("Nobody.acs");
    Result r = CharacterFile::load(missing, &data);
    ASSERT_FALSE(r);
    EXPECT_THAT(r.error.toStdString(), HasSubstr("nicht gefunden"));
    EXPECT_THAT(r.error.toStdString(), HasSubstr("Nobody.acs"));

    QFile broken(dir.filePath("Broken.acs"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write(FakeCharacterFile::text().left(200));
    broken.close();
    r = CharacterFile::load(broken.fileName(), &data);
    ASSERT_FALSE(r);
    EXPECT_THAT(r.error.toStdString(), HasSubstr("beschädigt"));
    EXPECT_THAT(r.error.toStdString(), HasSubstr("Broken.acs"));
}

TEST(CharacterFileTest, ShippedCharactersHaveEveryAnimationTheProgramsPlay)
{
    const QStringList needed { "Show", "Hide", "Speaking", "GetAttention", "Wave", "Blink",
        "Restpose", "Read", "DoMagic2", "Process" };
    const QStringList files = QDir(shippedDir()).entryList({ "*.acs" }, QDir::Files);
    ASSERT_GE(files.size(), 3) << shippedDir().toStdString();
    for (const QString& file : files) {
        CharacterData data;
        const Result r = CharacterFile::load(QDir(shippedDir()).filePath(file), &data);
        ASSERT_TRUE(r) << r.error.toStdString();
        EXPECT_EQ(data.id + ".acs", file);
        EXPECT_EQ(data.mouth.size(), 3);
        for (const QString& animation : needed) {
            const auto steps = data.animations.value(animation);
            EXPECT_GE(steps.size(), 2) << file.toStdString() << " " << animation.toStdString();
            QSet<QString> distinct;
            for (const AnimationStep& step : steps)
                distinct.insert(step.frame);
            // Something visibly moves: at least two different pictures.
            EXPECT_GE(distinct.size(), 2) << file.toStdString() << " " << animation.toStdString();
        }
    }
}

TEST(CharacterFileTest, ShippedCharactersSoundDifferent)
{
    QMap<QString, Voice> voices;
    for (const QString& id : { "Genie", "Merlin", "Robby" }) {
        CharacterData data;
        ASSERT_TRUE(CharacterFile::load(shippedDir() + "/" + id + ".acs", &data));
        voices.insert(id, data.voice);
        EXPECT_EQ(data.voice.language, "de");
    }
    EXPECT_LT(voices["Genie"].pitch, 50);
    EXPECT_GT(voices["Robby"].pitch, 50);
    EXPECT_NE(voices["Genie"].variant, voices["Merlin"].variant);
}
