#include "speech/SpeechLog.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace suite;

namespace {

class SpeechLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("speech.jsonl"));
        qputenv("SPRACHAUSGABE_SPEECH_LOG", m_path.toLocal8Bit());
        QCoreApplication::setApplicationName(QStringLiteral("lautbote"));
    }
    void TearDown() override { qunsetenv("SPRACHAUSGABE_SPEECH_LOG"); }

    QList<QByteArray> lines() const
    {
        QFile f(m_path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> result = f.readAll().split('\n');
        if (!result.isEmpty() && result.last().isEmpty())
            result.removeLast();
        return result;
    }

    QTemporaryDir m_dir;
    QString m_path;
};

QJsonObject parse(const QByteArray& line)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.constData();
    return doc.object();
}

} // namespace

TEST_F(SpeechLogTest, RecordsAppearInCallOrderAsJsonLines)
{
    SpeechLog::record(
        SpeechLog::Component::Agent, QStringLiteral("Genie"), QStringLiteral("Show"), {});
    SpeechLog::record(SpeechLog::Component::Agent, QStringLiteral("Genie"), QStringLiteral("Speak"),
        QJsonArray { QStringLiteral("\\Spd=150\\Grüß Gott – 😀 \"zitiert\"") });
    SpeechLog::record(SpeechLog::Component::Synth, QString(), QStringLiteral("Speak"),
        QJsonArray { QStringLiteral(" plus ") }, QStringLiteral("kein Gerät"));
    SpeechLog::record(SpeechLog::Component::Agent, QStringLiteral("Genie"),
        QStringLiteral("MoveTo"), QJsonArray { 300, 300 });

    const QList<QByteArray> all = lines();
    ASSERT_EQ(all.size(), 4);
    const QJsonObject show = parse(all[0]);
    EXPECT_EQ(show.value("op").toString(), QStringLiteral("Show"));
    EXPECT_EQ(show.value("program").toString(), QStringLiteral("lautbote"));
    EXPECT_EQ(show.value("component").toString(), QStringLiteral("agent"));
    EXPECT_EQ(show.value("character").toString(), QStringLiteral("Genie"));
    EXPECT_TRUE(show.value("args").isArray());
    EXPECT_FALSE(show.contains("error"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}$)"))
                    .match(show.value("time").toString())
                    .hasMatch())
        << qPrintable(show.value("time").toString());
    EXPECT_TRUE(all[0].startsWith("{\"time\":"));

    const QJsonObject speak = parse(all[1]);
    EXPECT_EQ(speak.value("args").toArray().at(0).toString(),
        QStringLiteral("\\Spd=150\\Grüß Gott – 😀 \"zitiert\""));
    EXPECT_TRUE(all[1].contains("Grüß")) << "unicode is written as it is";

    const QJsonObject synth = parse(all[2]);
    EXPECT_EQ(synth.value("component").toString(), QStringLiteral("synth"));
    EXPECT_FALSE(synth.contains("character"));
    EXPECT_EQ(synth.value("error").toString(), QStringLiteral("kein Gerät"));

    EXPECT_EQ(parse(all[3]).value("args").toArray(), (QJsonArray { 300, 300 }));
}

TEST_F(SpeechLogTest, NothingIsWrittenWithoutTheVariable)
{
    qunsetenv("SPRACHAUSGABE_SPEECH_LOG");
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Stop"), {});
    EXPECT_FALSE(QFile::exists(m_path));
}

TEST_F(SpeechLogTest, UnwritableLogIsSurvived)
{
    qputenv("SPRACHAUSGABE_SPEECH_LOG", m_dir.filePath("no/such/dir/log").toLocal8Bit());
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), QJsonArray { "a" });
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), QJsonArray { "b" });
    qputenv("SPRACHAUSGABE_SPEECH_LOG", m_dir.path().toLocal8Bit()); // a directory
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), QJsonArray { "c" });
    qputenv("SPRACHAUSGABE_SPEECH_LOG", m_path.toLocal8Bit());
    SpeechLog::record(SpeechLog::Component::Synth, {}, QStringLiteral("Speak"), QJsonArray { "d" });
    ASSERT_EQ(lines().size(), 1);
    EXPECT_EQ(parse(lines()[0]).value("args").toArray().at(0).toString(), QStringLiteral("d"));
}
