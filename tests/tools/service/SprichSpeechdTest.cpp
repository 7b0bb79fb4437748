// sprich through speech-dispatcher, started for this run on a private socket by
// tests/with-services --speechd.
#include "tools/SprichRun.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using suite::test::readAll;
using suite::test::sprich;
using suite::test::SprichRun;

TEST(sprichWithSpeechd, ListsTheServicesGermanAndEnglishVoices)
{
    const SprichRun r = sprich({ "--voices" });
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.out.split(u'\n');
    const qsizetype de = lines.indexOf(QStringLiteral("de:"));
    const qsizetype en = lines.indexOf(QStringLiteral("en:"));
    ASSERT_GE(de, 0) << r.out.toStdString();
    ASSERT_GT(en, de + 1) << "no German voice: " << r.out.toStdString();
    EXPECT_TRUE(lines[de + 1].contains(QStringLiteral("(de"))) << r.out.toStdString();
    EXPECT_TRUE(lines[en + 1].contains(QStringLiteral("(en"))) << r.out.toStdString();
}

TEST(sprichWithSpeechd, SpeaksThroughTheServiceAtTheTaggedSpeedAndSaysSoInTheTranscript)
{
    QTemporaryDir dir;
    QProcessEnvironment env;
    env.insert("SPRACHAUSGABE_SPEECH_LOG", dir.filePath("log.jsonl"));
    const QString text = QStringLiteral("Heute scheint die Sonne über den Bergen.");
    QElapsedTimer clock;
    clock.start();
    const SprichRun slow = sprich({ "--engine", "speechd", "\\Spd=80\\" + text }, env);
    const qint64 slowMs = clock.restart();
    ASSERT_EQ(slow.exitCode, 0) << slow.err.toStdString();
    EXPECT_FALSE(slow.err.contains(QStringLiteral("espeak-ng"))) << slow.err.toStdString();
    const SprichRun fast = sprich({ "--engine", "speechd", "\\Spd=250\\" + text }, env);
    const qint64 fastMs = clock.elapsed();
    ASSERT_EQ(fast.exitCode, 0) << fast.err.toStdString();
    // The sentence lasts about 3.3 s at 80 and 1.1 s at 250 words a minute; the start and
    // the character's own moves cost both runs the same.
    EXPECT_GT(slowMs - fastMs, 1200) << slowMs << " ms vs " << fastMs << " ms";

    int speaks = 0;
    for (const QByteArray& line : readAll(dir.filePath("log.jsonl")).split('\n')) {
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        if (o.isEmpty())
            continue;
        EXPECT_EQ(o.value("engine").toString(), "speechd") << line.constData();
        speaks += o.value("op").toString() == "Speak";
    }
    EXPECT_EQ(speaks, 2);
}
