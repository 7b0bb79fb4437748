#include "widgets/agent/CharacterFile.h"

#include "widgets/agent/SvgReferences.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>

namespace suite {

namespace {

const QRegularExpression& namePattern()
{
    static const QRegularExpression re(QStringLiteral("^[A-Za-z0-9_-]{1,64}$"));
    return re;
}

bool isName(const QString& s)
{
    return namePattern().match(s).hasMatch();
}

// A decimal number within [lo, hi]; anything else (signs, blanks, overflow) is refused.
bool readInt(const QString& s, int lo, int hi, int* out)
{
    if (s.isEmpty() || s.size() > 9)
        return false;
    for (QChar c : s) {
        if (!c.isDigit() || c.unicode() > 127)
            return false;
    }
    const int v = s.toInt();
    if (v < lo || v > hi)
        return false;
    *out = v;
    return true;
}

bool isValidSvg(const QByteArray& doc)
{
    const qint64 drawn = SvgReferences::drawnElements(doc);
    if (drawn < 0 || drawn > SvgReferences::kMaxDrawnElements)
        return false;
    QSvgRenderer renderer;
    return renderer.load(doc) && renderer.isValid();
}

class Parser {
public:
    explicit Parser(const QByteArray& bytes)
        : m_lines(bytes.split('\n'))
    {
    }

    Result run(CharacterData* out);

private:
    enum class Block { None, Base, Frame, Animation };

    Result fail(const QString& why) const
    {
        return Result::failure(QStringLiteral("Zeile %1: %2").arg(m_lineNo).arg(why));
    }
    Result headerLine(const QStringList& words, CharacterData& data);
    Result openSection(const QString& line, CharacterData& data);
    Result animationLine(const QStringList& words, CharacterData& data);
    Result closeSection(CharacterData& data);
    Result finish(CharacterData& data) const;

    QList<QByteArray> m_lines;
    int m_lineNo = 0;
    Block m_block = Block::None;
    QString m_section;
    QString m_blockName;
    bool m_blockAlone = false;
    int m_blockStart = 0;
    QByteArray m_svg;
    QStringList m_seenKeys;
    bool m_haveBase = false;
    bool m_sawMagic = false;
};

Result Parser::run(CharacterData* out)
{
    CharacterData data;
    for (const QByteArray& raw : m_lines) {
        ++m_lineNo;
        QByteArray bytes = raw;
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const QString line = QString::fromUtf8(bytes);
        const QString trimmed = line.trimmed();

        if (m_block == Block::Base || m_block == Block::Frame) {
            if (trimmed == QLatin1String("[end]")) {
                if (Result r = closeSection(data); !r)
                    return r;
            } else {
                m_svg += bytes;
                m_svg += '\n';
            }
            continue;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (!m_sawMagic) {
            if (trimmed != QLatin1String("acs 1"))
                return fail(QStringLiteral("keine Charakterdatei (die erste Zeile muss \"acs 1\" "
                                           "lauten)"));
            m_sawMagic = true;
            continue;
        }
        const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Result r;
        if (m_block == Block::Animation && trimmed.startsWith(QLatin1Char('['))
            && trimmed != QLatin1String("[end]")) {
            r = fail(
                QStringLiteral("vor %1 fehlt das [end] von %2").arg(trimmed.left(80), m_section));
        } else if (m_block == Block::Animation) {
            r = trimmed == QLatin1String("[end]") ? closeSection(data) : animationLine(words, data);
        } else if (trimmed.startsWith(QLatin1Char('['))) {
            r = openSection(trimmed, data);
        } else {
            r = headerLine(words, data);
        }
        if (!r)
            return r;
    }
    if (m_block != Block::None) {
        return Result::failure(QStringLiteral("Datei unvollständig: Abschnitt %1 aus Zeile %2 "
                                              "endet nicht mit [end]")
                                   .arg(m_section)
                                   .arg(m_blockStart));
    }
    if (Result r = finish(data); !r)
        return r;
    *out = std::move(data);
    return Result::success();
}

Result Parser::headerLine(const QStringList& words, CharacterData& data)
{
    const QString key = words.first();
    if (m_seenKeys.contains(key))
        return fail(QStringLiteral("\"%1\" steht doppelt").arg(key));
    m_seenKeys << key;
    const QString rest = words.mid(1).join(QLatin1Char(' '));
    if (key == QLatin1String("id")) {
        if (words.size() != 2 || !isName(words[1]))
            return fail(QStringLiteral("ungültige Kennung (Buchstaben, Ziffern, _ und -)"));
        data.id = words[1];
    } else if (key == QLatin1String("name")) {
        if (rest.isEmpty() || rest.size() > 100)
            return fail(QStringLiteral("der Name fehlt oder ist länger als 100 Zeichen"));
        data.name = rest;
    } else if (key == QLatin1String("voice")) {
        static const QRegularExpression lang(QStringLiteral("^[a-z]{2,3}(-[a-z0-9]{1,8})?$"));
        static const QRegularExpression variant(QStringLiteral("^[A-Za-z0-9_]{1,24}$"));
        if (words.size() != 4 || !lang.match(words[1]).hasMatch()
            || (words[2] != QLatin1String("-") && !variant.match(words[2]).hasMatch())
            || !readInt(words[3], 0, 100, &data.voice.pitch))
            return fail(QStringLiteral("Stimme: \"voice SPRACHE VARIANTE|- TONHÖHE(0-100)\""));
        data.voice.language = words[1];
        data.voice.variant = words[2] == QLatin1String("-") ? QString() : words[2];
    } else if (key == QLatin1String("rate")) {
        if (words.size() != 2 || !readInt(words[1], 80, 450, &data.wordsPerMinute))
            return fail(QStringLiteral("Sprechgeschwindigkeit muss zwischen 80 und 450 liegen"));
    } else if (key == QLatin1String("size")) {
        int w = 0, h = 0;
        if (words.size() != 3
            || !readInt(words[1], CharacterFile::kMinSide, CharacterFile::kMaxSide, &w)
            || !readInt(words[2], CharacterFile::kMinSide, CharacterFile::kMaxSide, &h))
            return fail(QStringLiteral("Größe muss \"size BREITE HÖHE\" mit Werten von %1 bis "
                                       "%2 sein")
                            .arg(CharacterFile::kMinSide)
                            .arg(CharacterFile::kMaxSide));
        data.size = QSize(w, h);
    } else if (key == QLatin1String("mouth")) {
        if (words.size() != 4 || !isName(words[1]) || !isName(words[2]) || !isName(words[3]))
            return fail(QStringLiteral("Mund: \"mouth GESCHLOSSEN HALB OFFEN\""));
        data.mouth = words.mid(1);
    } else {
        return fail(QStringLiteral("unbekannter Eintrag \"%1\"").arg(key.left(40)));
    }
    return Result::success();
}

Result Parser::openSection(const QString& line, CharacterData& data)
{
    if (!line.endsWith(QLatin1Char(']')))
        return fail(QStringLiteral("Abschnittskopf ohne \"]\""));
    const QStringList words
        = line.mid(1, line.size() - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString kind = words.value(0);
    m_section = line.left(80);
    m_blockStart = m_lineNo;
    m_svg.clear();
    if (kind == QLatin1String("base") && words.size() == 1) {
        if (m_haveBase)
            return fail(QStringLiteral("[base] steht doppelt"));
        m_block = Block::Base;
    } else if (kind == QLatin1String("frame") && (words.size() == 2 || words.size() == 3)) {
        if (!isName(words[1]))
            return fail(QStringLiteral("ungültiger Bildname"));
        if (words.size() == 3 && words[2] != QLatin1String("alone"))
            return fail(
                QStringLiteral("unbekannte Angabe \"%1\" (nur \"alone\")").arg(words[2].left(40)));
        if (data.frames.contains(words[1]))
            return fail(QStringLiteral("Bild \"%1\" steht doppelt").arg(words[1]));
        if (data.frames.size() >= CharacterFile::kMaxFrames)
            return fail(QStringLiteral("mehr als %1 Bilder").arg(CharacterFile::kMaxFrames));
        m_block = Block::Frame;
        m_blockName = words[1];
        m_blockAlone = words.size() == 3;
    } else if (kind == QLatin1String("animation") && words.size() == 2) {
        if (!isName(words[1]))
            return fail(QStringLiteral("ungültiger Animationsname"));
        if (data.animations.contains(words[1]))
            return fail(QStringLiteral("Animation \"%1\" steht doppelt").arg(words[1]));
        if (data.animations.size() >= CharacterFile::kMaxAnimations)
            return fail(
                QStringLiteral("mehr als %1 Animationen").arg(CharacterFile::kMaxAnimations));
        m_block = Block::Animation;
        m_blockName = words[1];
        data.animations.insert(m_blockName, {});
    } else {
        return fail(QStringLiteral("unbekannter Abschnitt %1").arg(m_section));
    }
    return Result::success();
}

Result Parser::animationLine(const QStringList& words, CharacterData& data)
{
    QList<AnimationStep>& steps = data.animations[m_blockName];
    AnimationStep step;
    if (words.size() != 2 || !isName(words[0])
        || !readInt(words[1], CharacterFile::kMinDurationMs, CharacterFile::kMaxDurationMs,
            &step.durationMs))
        return fail(QStringLiteral("Animationsschritt: \"BILD DAUER_MS\" mit %1 bis %2 ms")
                        .arg(CharacterFile::kMinDurationMs)
                        .arg(CharacterFile::kMaxDurationMs));
    if (steps.size() >= CharacterFile::kMaxSteps)
        return fail(QStringLiteral("mehr als %1 Schritte").arg(CharacterFile::kMaxSteps));
    step.frame = words[0];
    steps.append(step);
    return Result::success();
}

Result Parser::closeSection(CharacterData& data)
{
    const Block block = m_block;
    m_block = Block::None;
    if (block == Block::Animation) {
        if (data.animations.value(m_blockName).isEmpty())
            return fail(QStringLiteral("Animation \"%1\" hat keine Schritte").arg(m_blockName));
        return Result::success();
    }
    if (block == Block::Base) {
        m_haveBase = true;
        data.base = m_svg;
        return Result::success();
    }
    data.frames.insert(m_blockName, { m_svg, m_blockAlone });
    return Result::success();
}

Result Parser::finish(CharacterData& data) const
{
    const auto missing = [](const char* what) {
        return Result::failure(QStringLiteral("Eintrag \"%1\" fehlt").arg(QLatin1String(what)));
    };
    if (data.id.isEmpty())
        return missing("id");
    if (data.name.isEmpty())
        return missing("name");
    if (!m_seenKeys.contains(QStringLiteral("voice")))
        return missing("voice");
    if (data.size.isEmpty())
        return missing("size");
    if (data.mouth.isEmpty())
        return missing("mouth");
    if (!m_haveBase)
        return missing("[base]");

    if (!isValidSvg(data.compose({})))
        return Result::failure(
            QStringLiteral("das Grundbild [base] ist kein gültiges SVG oder zu aufwendig"));
    QSet<QString> baseIds = SvgReferences::ids(data.base);
    baseIds.insert(QStringLiteral("base"));
    if (const QString ref = SvgReferences::dangling(data.base, baseIds); !ref.isEmpty())
        return Result::failure(
            QStringLiteral("das Grundbild verweist auf das fehlende Element #%1").arg(ref));
    for (auto it = data.frames.cbegin(); it != data.frames.cend(); ++it) {
        if (!isValidSvg(data.compose({ it.key() })))
            return Result::failure(
                QStringLiteral("Bild \"%1\" ist kein gültiges SVG oder zu aufwendig")
                    .arg(it.key()));
        const QString ref = SvgReferences::dangling(it->svg, baseIds + SvgReferences::ids(it->svg));
        if (!ref.isEmpty())
            return Result::failure(
                QStringLiteral("Bild \"%1\" verweist auf das fehlende Element #%2")
                    .arg(it.key(), ref));
    }
    for (const QString& m : data.mouth) {
        const auto frame = data.frames.constFind(m);
        if (frame == data.frames.constEnd())
            return Result::failure(QStringLiteral("Mundbild \"%1\" fehlt").arg(m));
        if (frame->alone)
            return Result::failure(
                QStringLiteral("Mundbild \"%1\" darf nicht \"alone\" sein").arg(m));
    }
    for (auto it = data.animations.cbegin(); it != data.animations.cend(); ++it) {
        for (const AnimationStep& step : *it) {
            if (!data.frames.contains(step.frame))
                return Result::failure(QStringLiteral("Animation \"%1\" nennt das fehlende Bild "
                                                      "\"%2\"")
                                           .arg(it.key(), step.frame));
        }
    }
    return Result::success();
}

} // namespace

Result CharacterFile::parse(const QByteArray& bytes, CharacterData* out)
{
    if (bytes.isEmpty())
        return Result::failure(QStringLiteral("die Charakterdatei ist leer"));
    if (bytes.size() > kMaxBytes)
        return Result::failure(QStringLiteral("die Charakterdatei ist größer als %1 MiB")
                                   .arg(kMaxBytes / (1024 * 1024)));
    return Parser(bytes).run(out);
}

Result CharacterFile::load(const QString& path, CharacterData* out)
{
    QFile file(path);
    if (!QFileInfo(path).isFile())
        return Result::failure(QStringLiteral("Charakterdatei nicht gefunden: %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        return Result::failure(
            QStringLiteral("Charakterdatei nicht lesbar: %1 (%2)").arg(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxBytes + 1);
    Result r = parse(bytes, out);
    if (!r)
        return Result::failure(
            QStringLiteral("Charakterdatei beschädigt: %1: %2").arg(path, r.error));
    return r;
}

} // namespace suite
