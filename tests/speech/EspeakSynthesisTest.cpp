#include "speech/EspeakLibrary.h"
#include "speech/UtteranceRenderer.h"
#include "speech/WavExport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace suite;

namespace {

class EspeakSynthesisTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_library.isAvailable()) << qPrintable(m_library.error()); }

    // The sounds without stress marks and pauses, which differ between a number and its
    // words spelled out although both sound the same.
    QString sounds(const QString& text, const QString& language = QStringLiteral("de"))
    {
        Utterance u;
        u.text = text;
        u.voice.language = language;
        QString p = m_renderer.phonemes(u);
        p.remove(QRegularExpression(QStringLiteral("[',_|%=\\s]")));
        return p;
    }

    struct Rendered {
        qint64 samples = 0;
        std::vector<UtteranceRenderer::Word> words;
        QByteArray pcm;
    };
    Rendered render(const Utterance& u)
    {
        Rendered r;
        m_renderer.render(
            u, [&](const qint16* s, int n, const std::vector<UtteranceRenderer::Word>& w) {
                r.words.insert(r.words.end(), w.begin(), w.end());
                r.samples += n;
                r.pcm.append(reinterpret_cast<const char*>(s), qsizetype(n) * 2);
                return true;
            });
        return r;
    }
    Rendered render(const QString& text)
    {
        Utterance u;
        u.text = text;
        return render(u);
    }

    EspeakLibrary m_library;
    UtteranceRenderer m_renderer { m_library };
};

} // namespace

TEST_F(EspeakSynthesisTest, CalculatorNumbersAreReadAsGermanNumerals)
{
    const struct {
        const char* number;
        const char* words;
    } cases[] = {
        { "0,5", "null komma fünf" },
        { "-3,25", "minus drei komma zwei fünf" },
        { "12,", "zwölf komma" },
        { "0,", "null komma" },
        { "05,", "null fünf komma" },
        { "-0,", "minus null komma" },
        { " Prozent. Ist gleich 0,", "Prozent. Ist gleich null komma" },
        { " Ist gleich 12", "Ist gleich zwölf" },
    };
    for (const auto& c : cases) {
        const QString number = sounds(QString::fromUtf8(c.number));
        EXPECT_FALSE(number.isEmpty());
        EXPECT_EQ(number, sounds(QString::fromUtf8(c.words))) << c.number;
    }
    // In prose a comma after a number stays a pause.
    EXPECT_EQ(sounds(QStringLiteral("Es ist 12, sagt er")),
        sounds(QStringLiteral("Es ist zwölf sagt er")));
}

TEST_F(EspeakSynthesisTest, EnglishAndGermanVoicesSoundDifferent)
{
    EXPECT_NE(sounds(QStringLiteral("Hello"), QStringLiteral("de")),
        sounds(QStringLiteral("Hello"), QStringLiteral("en")));
    // An unknown language falls back to German instead of failing.
    EXPECT_EQ(sounds(QStringLiteral("drei"), QStringLiteral("xx-nonsense")),
        sounds(QStringLiteral("drei")));

    Utterance plain;
    plain.text = QStringLiteral("Guten Morgen");
    Utterance variant = plain;
    variant.voice.variant = QStringLiteral("f3");
    Utterance high = plain;
    high.voice.pitch = 95;
    const Rendered a = render(plain);
    EXPECT_GT(a.samples, EspeakLibrary::sampleRate / 4);
    EXPECT_NE(a.pcm, render(variant).pcm);
    EXPECT_NE(a.pcm, render(high).pcm);
}

TEST_F(EspeakSynthesisTest, WordEventsNameTheTokensOfTheOriginalText)
{
    const QString text = QStringLiteral("Es ist 0,5 Grad und\tschön");
    const Rendered r = render(text);
    QStringList heard;
    qint64 lastSample = -1;
    for (const auto& w : r.words) {
        heard << text.mid(w.position, w.length);
        EXPECT_GE(w.sample, lastSample);
        EXPECT_LE(w.sample, r.samples);
        lastSample = w.sample;
    }
    // "Es ist" may come as one event; numbers give several that collapse into one.
    EXPECT_EQ(
        heard.join(u'|').remove(QStringLiteral("ist|")), QStringLiteral("Es|0,5|Grad|und|schön"));
}

TEST_F(EspeakSynthesisTest, BlankAndControlOnlyTextsGiveNoSound)
{
    QString nul(3, QChar(0));
    EXPECT_EQ(render(QString()).samples, 0);
    EXPECT_EQ(render(QStringLiteral("  \n\t ")).samples, 0);
    EXPECT_EQ(render(nul).samples, 0);
    // NULs inside a text are blanks, not its end.
    const Rendered r = render(QStringLiteral("eins") + nul + QStringLiteral("zwei"));
    ASSERT_EQ(r.words.size(), 2u);
    EXPECT_EQ(r.words[1].position, 7);
}

TEST_F(EspeakSynthesisTest, LongTextsGoToEspeakInPiecesWithPositionsIntact)
{
    UtteranceRenderer smallPieces(m_library, 60);
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("Satz Nummer %1 ist da. ").arg(i);
    std::vector<UtteranceRenderer::Word> words;
    qint64 samples = 0;
    smallPieces.render(Utterance { text }, [&](const qint16*, int n, const auto& w) {
        words.insert(words.end(), w.begin(), w.end());
        samples += n;
        return true;
    });
    ASSERT_GT(words.size(), 100u);
    qint64 last = -1;
    for (const auto& w : words) {
        const QString word = text.mid(w.position, w.length);
        EXPECT_FALSE(word.contains(u' '));
        EXPECT_TRUE(w.position == 0 || text.at(w.position - 1) == u' ') << w.position;
        EXPECT_GE(w.sample, last);
        EXPECT_LE(w.sample, samples);
        last = w.sample;
    }
    EXPECT_EQ(text.mid(words.back().position, words.back().length), QStringLiteral("da."));
}

TEST_F(EspeakSynthesisTest, StoppingFromTheSinkEndsAtOnceAndTheNextTextWorks)
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("Ein langer Satz, der nicht zu Ende gesprochen wird. ");
    int chunks = 0;
    EXPECT_FALSE(m_renderer.render(
        Utterance { text }, [&](const qint16*, int, const auto&) { return ++chunks < 3; }));
    EXPECT_EQ(chunks, 3);
    EXPECT_GT(render(QStringLiteral("Weiter")).samples, 0);
}

TEST(WavExport, WritesAPlayableWaveFileAtomically)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hallo.wav"));
    ASSERT_TRUE(synthesizeToWav(Utterance { QStringLiteral("Hallo Welt") }, path));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_GT(bytes.size(), 44 + EspeakLibrary::sampleRate / 2);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 22), 1); // mono
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 24), 22050u);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 34), 16);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));

    // A failed write leaves the old file as it was and says why.
    const Result bad
        = synthesizeToWav(Utterance { QStringLiteral("x") }, dir.filePath("no/dir/x.wav"));
    EXPECT_FALSE(bad);
    EXPECT_FALSE(bad.error.isEmpty());
}

TEST(WavExport, RefusesWhileAnotherUserHoldsEspeak)
{
    EspeakLibrary holder;
    ASSERT_TRUE(holder.isAvailable());
    EspeakLibrary second;
    EXPECT_FALSE(second.isAvailable());
    QTemporaryDir dir;
    const Result r = synthesizeToWav(Utterance { QStringLiteral("x") }, dir.filePath("x.wav"));
    EXPECT_FALSE(r);
    EXPECT_FALSE(r.error.isEmpty());
}
