#include "fakes/TextPicture.h"
#include "tools/SprichRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using suite::test::readAll;
using suite::test::sprich;
using suite::test::SprichRun;
using ::testing::HasSubstr;

namespace {

quint32 le32(const QByteArray& b, int at)
{
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16
        | quint32(quint8(b[at + 3])) << 24;
}

// Where libespeak-ng.so.1 really lies (the file, not its symbolic link).
QString espeakLibraryFile()
{
    void* handle = dlopen("libespeak-ng.so.1", RTLD_LAZY);
    link_map* map = nullptr;
    if (!handle || dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return {};
    return QFileInfo(QString::fromLocal8Bit(map->l_name)).canonicalFilePath();
}

} // namespace

TEST(sprich, WavFileIsAValidRiffThatGrowsWithTheText)
{
    QTemporaryDir dir;
    const QString shortWav = dir.filePath("kurz.wav");
    const QString longWav = dir.filePath("lang.wav");
    SprichRun r = sprich({ "--wav", shortWav, "Guten Tag" });
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = sprich({ "--character", "merlin", "--wav", longWav }, {},
        "Guten Tag mein Herr, bist Du zu Hause? Ich bin dein persönlicher Diener.");
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    const QByteArray a = readAll(shortWav);
    const QByteArray b = readAll(longWav);
    for (const QByteArray& wav : { a, b }) {
        ASSERT_GT(wav.size(), 44);
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 4), "WAVE");
        EXPECT_EQ(le32(wav, 4), quint32(wav.size() - 8));
    }
    EXPECT_GT(b.size(), a.size() * 2);
}

TEST(sprich, FasterRateGivesAShorterRecording)
{
    QTemporaryDir dir;
    const QString text = "Eins zwei drei vier fünf sechs sieben acht neun zehn";
    ASSERT_EQ(sprich({ "--rate", "100", "--wav", dir.filePath("slow.wav"), text }).exitCode, 0);
    ASSERT_EQ(sprich({ "--rate", "300", "--wav", dir.filePath("fast.wav"), text }).exitCode, 0);
    EXPECT_LT(readAll(dir.filePath("fast.wav")).size(), readAll(dir.filePath("slow.wav")).size());
}

TEST(sprich, BadInputEndsWithExitOneAndAMessage)
{
    QTemporaryDir dir;
    SprichRun r = sprich({ "--character", "Nobody", "Hallo" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("Charakterdatei nicht gefunden"));
    EXPECT_THAT(r.err.toStdString(), HasSubstr("Nobody.acs"));

    r = sprich({ "--character", "Nobody", "--wav", dir.filePath("x.wav"), "Hallo" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.wav")));

    r = sprich({ "--rate", "schnell", "Hallo" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("--rate"));
    r = sprich({ "--lang", "fr", "Bonjour" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("--lang"));
    r = sprich({ "--lautstaerke", "9", "Hallo" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("lautstaerke"));
    r = sprich({}, {}, "   \n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("kein Text"));
    r = sprich({ "--wav", "/nonexistent-folder/x.wav", "Hallo" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST(sprich, AnswersHelpAndVersionWithoutAWindow)
{
    QProcessEnvironment noDisplay;
    noDisplay.insert("DISPLAY", "<unset>");
    noDisplay.insert("QT_QPA_PLATFORM", "<unset>");
    SprichRun r = sprich({ "--help" }, noDisplay);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_THAT(r.out.toStdString(), HasSubstr("--character"));
    EXPECT_THAT(r.out.toStdString(), HasSubstr("--wav"));
    r = sprich({ "--version" }, noDisplay);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_THAT(r.out.toStdString(), HasSubstr("sprich "));
}

TEST(sprich, SpeaksThroughTheCharacterEvenWithoutADisplay)
{
    QTemporaryDir dir;
    QProcessEnvironment env;
    env.insert("DISPLAY", "<unset>");
    env.insert("QT_QPA_PLATFORM", "<unset>");
    env.insert("SPRACHAUSGABE_SPEECH_LOG", dir.filePath("log.jsonl"));
    const SprichRun r = sprich({ "--lang", "en", "Good morning" }, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    QStringList ops;
    for (const QByteArray& line : readAll(dir.filePath("log.jsonl")).split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            continue;
        EXPECT_EQ(o.value("character").toString(), "Genie");
        EXPECT_FALSE(o.contains("error")) << line.constData();
        ops << o.value("op").toString();
        if (ops.last() == "Speak")
            EXPECT_EQ(o.value("args").toArray().first().toString(), "Good morning");
        if (ops.last() == "SetLanguage")
            EXPECT_EQ(o.value("args").toArray().first().toInt(), 1033);
    }
    const auto order = [&](const QString& op) { return ops.indexOf(op); };
    ASSERT_GE(order("LoadCharacter"), 0);
    EXPECT_LT(order("LoadCharacter"), order("Show"));
    EXPECT_LT(order("Show"), order("Speak"));
    EXPECT_LT(order("Speak"), order("Hide"));
}

TEST(sprich, ADisplayThatCannotBeReachedIsNoReasonToFail)
{
    QProcessEnvironment env;
    env.insert("DISPLAY", ":97531");
    env.insert("QT_QPA_PLATFORM", "<unset>");
    const SprichRun r = sprich({ "Hallo" }, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
}

// A speed tag in front of the text means the same on both paths: it sets the rate, is not
// spoken, and wins over --rate.
TEST(sprich, TheSpeedTagSetsTheRateInTheWavFileAsItDoesForTheCharacter)
{
    QTemporaryDir dir;
    const QString text = "Eins zwei drei vier fünf sechs sieben acht neun zehn";
    ASSERT_EQ(sprich({ "--rate", "250", "--wav", dir.filePath("rate.wav"), text }).exitCode, 0);
    const SprichRun tagged
        = sprich({ "--rate", "90", "--wav", dir.filePath("tag.wav"), "\\Spd=250\\" + text });
    ASSERT_EQ(tagged.exitCode, 0) << tagged.err.toStdString();
    EXPECT_EQ(readAll(dir.filePath("tag.wav")).size(), readAll(dir.filePath("rate.wav")).size());

    QProcessEnvironment env;
    env.insert("SPRACHAUSGABE_SPEECH_LOG", dir.filePath("log.jsonl"));
    ASSERT_EQ(sprich({ "--rate", "90", "\\Spd=250\\Hallo" }, env).exitCode, 0);
    QStringList spoken;
    for (const QByteArray& line : readAll(dir.filePath("log.jsonl")).split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.value("op").toString() == "Speak")
            spoken << o.value("args").toArray().first().toString();
    }
    EXPECT_EQ(spoken, QStringList { "\\Spd=250\\Hallo" }) << "not a second tag in front";
}

// Where XDG_RUNTIME_DIR is unset (a terminal opened with su, a cron job) the output holds
// only what was asked for.
TEST(sprich, AnUnsetRuntimeDirectoryLeavesTheOutputClean)
{
    QTemporaryDir dir;
    QProcessEnvironment env;
    env.insert("XDG_RUNTIME_DIR", "<unset>");
    for (const QStringList& args :
        { QStringList { "--wav", dir.filePath("x.wav"), "Hallo" }, QStringList { "Hallo" } }) {
        const SprichRun r = sprich(args, env);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.err.toStdString(), "");
        EXPECT_EQ(r.out.toStdString(), "");
    }
}

TEST(sprich, WithoutEspeakNgOrItsGermanVoiceDataItEndsWithExitOneAndTheReason)
{
    // The library itself missing: a private mount namespace puts an empty file in its place.
    if (geteuid() != 0)
        GTEST_SKIP() << "hiding a system library needs a mount namespace, so root";
    const QString library = espeakLibraryFile();
    ASSERT_FALSE(library.isEmpty());
    QProcess hidden;
    hidden.setProcessEnvironment([] {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SPRACHAUSGABE_AUDIO", "null");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }());
    hidden.start("unshare",
        { "--mount", "--", "sh", "-c", R"(mount --bind /dev/null "$0" && exec "$@")", library,
            SPRICH_BINARY, "Hallo" });
    ASSERT_TRUE(hidden.waitForFinished(60000));
    EXPECT_EQ(hidden.exitCode(), 1);
    EXPECT_THAT(hidden.readAllStandardError().toStdString(),
        HasSubstr("espeak-ng fehlt: libespeak-ng.so.1 lässt sich nicht laden"));

    // No voice data at all, then all of it but the German dictionary (espeak then speaks a
    // few milliseconds of nothing and reports success).
    QTemporaryDir empty;
    ASSERT_TRUE(QDir(empty.path()).mkpath("espeak-ng-data"));
    QStringList dataPaths { empty.path() };
    // The installed data, as the espeak-ng command names it ("... Data at: FOLDER").
    QProcess version;
    version.start("espeak-ng", { "--version" });
    ASSERT_TRUE(version.waitForFinished(30000));
    const QString line = QString::fromLocal8Bit(version.readAllStandardOutput()).trimmed();
    const QDir data(line.section("Data at: ", 1).trimmed());
    ASSERT_TRUE(data.exists("de_dict")) << qPrintable(line);
    QTemporaryDir partial;
    ASSERT_TRUE(QDir(partial.path()).mkpath("espeak-ng-data"));
    for (const QString& entry : data.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry != "de_dict")
            QFile::link(data.filePath(entry), partial.filePath("espeak-ng-data/" + entry));
    }
    dataPaths << partial.path();
    for (const QString& dataPath : dataPaths) {
        QProcessEnvironment env;
        env.insert("ESPEAK_DATA_PATH", dataPath);
        env.insert("SPRACHAUSGABE_SPEECH_LOG", empty.filePath("log.jsonl"));
        SprichRun r = sprich({ "Hallo" }, env);
        EXPECT_EQ(r.exitCode, 1) << qPrintable(dataPath);
        EXPECT_THAT(r.err.toStdString(), HasSubstr("espeak-ng"));
        EXPECT_THAT(r.err.toStdString(), HasSubstr(dataPath.toStdString()));

        r = sprich({ "--wav", empty.filePath("x.wav"), "Hallo" }, env);
        EXPECT_EQ(r.exitCode, 1) << qPrintable(dataPath);
        EXPECT_THAT(r.err.toStdString(), HasSubstr("espeak-ng"));
        EXPECT_FALSE(QFile::exists(empty.filePath("x.wav")));
    }
}

TEST(sprich, ReadsTheTextOfAPictureAloudPrintsItOnlyWithTextAndSaysWhenThereIsNone)
{
    QTemporaryDir dir;
    const QString sentence = dir.filePath("satz.png");
    ASSERT_TRUE(suite::test::textPicture(suite::test::GermanSentence).save(sentence));
    const QString blank = dir.filePath("leer.bmp");
    ASSERT_TRUE(suite::test::textPicture(QString()).save(blank));

    SprichRun r = sprich({ "--bild", sentence, "--text" });
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(suite::test::wordsOf(r.out), suite::test::wordsOf(suite::test::GermanSentence));
    EXPECT_TRUE(r.err.isEmpty()) << "the recognizer's notes stay off the terminal: "
                                 << r.err.toStdString();

    QProcessEnvironment env;
    env.insert("SPRACHAUSGABE_SPEECH_LOG", dir.filePath("log.jsonl"));
    r = sprich({ "--bild", sentence }, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    r = sprich({ "--bild", blank }, env);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("Kein Text im Bild gefunden"));
    QStringList said;
    for (const QByteArray& line : readAll(dir.filePath("log.jsonl")).split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.value("op").toString() == "Speak")
            said << o.value("args").toArray().first().toString();
    }
    ASSERT_EQ(said.size(), 2);
    EXPECT_EQ(suite::test::wordsOf(said[0]), suite::test::wordsOf(suite::test::GermanSentence));
    EXPECT_EQ(said[1], "Kein Text im Bild gefunden");

    // What is no picture, or too big a file, is refused with the reason.
    QFile text(dir.filePath("kein-bild.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Nur Text");
    text.close();
    r = sprich({ "--bild", text.fileName(), "--text" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("kein Bild im Format PNG, BMP oder JPEG"));
    QFile huge(dir.filePath("riesig.png"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(65LL * 1024 * 1024));
    huge.close();
    r = sprich({ "--bild", huge.fileName(), "--text" });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err.toStdString(), HasSubstr("größer als 64 MB"));
}
