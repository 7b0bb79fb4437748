#include "browser/capture/KeySequenceParser.h"

#include "browser/capture/KeyNames.h"

#include <QByteArray>
#include <QList>
#include <QLocale>

#include <cmath>
#include <optional>
#include <utility>

namespace suite::browser {

namespace {

constexpr int ShiftHeld = 1;
constexpr int ControlHeld = 2;
constexpr int AltHeld = 4;

bool isModifier(QChar c)
{
    return c == u'+' || c == u'^' || c == u'%';
}

quint16 modifierKey(QChar c)
{
    return c == u'+' ? vk::Shift : c == u'^' ? vk::Control : vk::Menu;
}

int heldBit(quint16 key)
{
    return key == vk::Shift ? ShiftHeld : key == vk::Control ? ControlHeld : AltHeld;
}

// The code point starting at index, which is moved past it. The sequence has been checked
// for halves of surrogate pairs before.
char32_t codePointAt(QStringView text, qsizetype& index)
{
    const QChar first = text.at(index++);
    if (first.isHighSurrogate() && index < text.size() && text.at(index).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(index++));
    return first.unicode();
}

// The number a text starts with, read as far as it goes (blanks first are skipped); 0 when
// it does not start with one. Too large for a double it is an infinity of its sign, too
// small a zero: never anything a cast to an integer would choke on but an infinity.
double leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == u' ' || text.at(i) == u'\t'))
        ++i;
    QByteArray number;
    const auto take = [&](auto accept) {
        bool any = false;
        while (i < text.size() && accept(text.at(i))) {
            number.append(char(text.at(i).unicode()));
            ++i;
            any = true;
        }
        return any;
    };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const auto sign = [&number](QChar c) { return (c == u'+' || c == u'-') && number.isEmpty(); };
    take(sign);
    bool digits = take(digit);
    if (i < text.size() && text.at(i) == u'.') {
        number.append('.');
        ++i;
        digits = take(digit) || digits;
    }
    if (!digits)
        return 0;
    if (i + 1 < text.size() && QStringView(u"eEdD").contains(text.at(i))) {
        const qsizetype mark = i;
        QByteArray exponent("e");
        ++i;
        if (text.at(i) == u'+' || text.at(i) == u'-')
            exponent.append(char(text.at(i++).unicode()));
        const qsizetype before = i;
        while (i < text.size() && digit(text.at(i)))
            exponent.append(char(text.at(i++).unicode()));
        if (i > before)
            number.append(exponent);
        else
            i = mark;
    }
    // QByteArray::toDouble() would give 0 for "1e400"; the C locale's reading keeps its size.
    return QLocale::c().toDouble(QString::fromLatin1(number));
}

// The repeat count of "{x N}": N rounded to a whole number, 1 for anything below 1, and
// nullopt for anything above the bound, however large. The value is compared while it is a
// double; only a count in range is converted.
std::optional<qint64> repeatCount(QStringView text)
{
    const double value = std::nearbyint(leadingNumber(text));
    if (!(value <= double(KeySequenceParser::MaxRecords)))
        return std::nullopt;
    if (value < 1)
        return 1;
    return qint64(value);
}

class ParseRun {
public:
    ParseRun(const KeyboardLayout& layout, const QString& sequence)
        : m_layout(layout)
        , m_sequence(sequence)
        , m_lastCloseParen(sequence.lastIndexOf(u')'))
        , m_lastCloseBrace(sequence.lastIndexOf(u'}'))
    {
    }

    ParsedKeys run()
    {
        ParsedKeys parsed;
        bool ok = checkCharacters();
        while (ok && m_position < m_sequence.size())
            ok = parseItem();
        if (!ok) {
            parsed.result = Result::failure(m_error);
            return parsed;
        }
        parsed.records = std::move(m_records);
        return parsed;
    }

private:
    bool checkCharacters()
    {
        for (qsizetype i = 0; i < m_sequence.size(); ++i) {
            const QChar c = m_sequence.at(i);
            if (c.isHighSurrogate() && i + 1 < m_sequence.size()
                && m_sequence.at(i + 1).isLowSurrogate()) {
                ++i;
                continue;
            }
            if (c.isSurrogate())
                return fail(QStringLiteral("Die Tastenfolge enthält an Stelle %1 ein halbes "
                                           "Zeichen (U+%2); sie wurde nicht gesendet.")
                                .arg(i + 1)
                                .arg(c.unicode(), 4, 16, QChar(u'0')));
        }
        return true;
    }

    // One item with the modifiers in front of it; the modifiers stay down over the item.
    bool parseItem()
    {
        std::vector<quint16> modifiers;
        while (m_position < m_sequence.size() && isModifier(m_sequence.at(m_position))) {
            modifiers.push_back(modifierKey(m_sequence.at(m_position++)));
            if (qsizetype(modifiers.size()) * 2 > KeySequenceParser::MaxRecords)
                return failTooLong();
        }
        if (m_position >= m_sequence.size())
            return true; // nothing left for the modifiers to apply to
        for (const quint16 key : modifiers) {
            if (!append({ key, 0, {} }))
                return false;
            m_held |= heldBit(key);
        }
        if (!parseSingle())
            return false;
        for (auto key = modifiers.rbegin(); key != modifiers.rend(); ++key) {
            if (!append({ *key, 0, KeyFlag::KeyUp }))
                return false;
            m_held &= ~heldBit(*key);
        }
        return true;
    }

    bool parseSingle()
    {
        const QChar c = m_sequence.at(m_position);
        if (c == u'(') {
            ++m_position;
            return sendGroup();
        }
        if (c == u'{') {
            ++m_position;
            return sendBraced();
        }
        return sendChar(codePointAt(m_sequence, m_position));
    }

    // m_position is just after the "(".
    bool sendGroup()
    {
        const qsizetype close
            = m_lastCloseParen < m_position ? -1 : m_sequence.indexOf(u')', m_position);
        if (close <= m_position)
            return true; // unmatched or empty: the "(" is skipped
        qsizetype i = m_position;
        while (i < close) {
            if (!sendChar(codePointAt(m_sequence, i)))
                return false;
        }
        m_position = close + 1;
        return true;
    }

    // m_position is just after the "{". The search starts one further, so "{}}" is "}".
    bool sendBraced()
    {
        const qsizetype from = m_position + 1;
        const qsizetype close = m_lastCloseBrace < from ? -1 : m_sequence.indexOf(u'}', from);
        if (close < 0)
            return true; // unmatched: the "{" is skipped
        const QStringView text = QStringView(m_sequence).mid(m_position, close - m_position);
        m_position = close + 1;

        const QList<QStringView> parts = text.split(u' ');
        std::optional<qint64> count = 1;
        if (parts.size() > 1)
            count = repeatCount(parts.at(1));
        if (!count)
            return fail(QStringLiteral("Die Wiederholungszahl in „{%1}“ ist zu groß: "
                                       "höchstens %2; die Tastenfolge wurde nicht gesendet.")
                            .arg(text.left(80).toString())
                            .arg(KeySequenceParser::MaxRecords));
        if (const std::optional<NamedKey> named = keyNamed(parts.at(0))) {
            for (qint64 n = 0; n < *count; ++n) {
                if (!addKeyPress(named->virtualKey, false, named->extended))
                    return false;
            }
            return true;
        }
        qsizetype first = 0;
        const char32_t character = codePointAt(text, first);
        const std::optional<KeyScan> key = keyForCharacter(character, false);
        for (qint64 n = 0; n < *count; ++n) {
            const bool ok
                = key ? addKeyPress(key->virtualKey, key->shift, false) : addCharEvent(character);
            if (!ok)
                return false;
        }
        return true;
    }

    bool sendChar(char32_t character)
    {
        // The layout's Shift need already takes the Caps Lock state into account.
        const std::optional<KeyScan> key = keyForCharacter(character, true);
        if (!key)
            return addCharEvent(character);
        return addKeyPress(key->virtualKey, key->shift, false);
    }

    // The key for a character, or nullopt when it goes as a character event: beyond
    // Latin-1, control characters without a key, and what the layout types only with more
    // than Shift (AltGr would otherwise be dropped and the wrong character typed).
    std::optional<KeyScan> keyForCharacter(char32_t character, bool tildeIsEnter) const
    {
        if (tildeIsEnter && character == U'~')
            return KeyScan { vk::Return };
        switch (character) {
        case U'\b':
            return KeyScan { vk::Back };
        case U'\t':
            return KeyScan { vk::Tab };
        case U'\n':
        case U'\r':
            return KeyScan { vk::Return };
        case 0x1b:
            return KeyScan { vk::Escape };
        default:
            break;
        }
        if (character < 0x20 || (character >= 0x7f && character < 0xa0) || character > 0xff)
            return std::nullopt;
        const std::optional<KeyScan> key = m_layout.keyFor(char16_t(character));
        if (!key || key->otherModifiers)
            return std::nullopt;
        return key;
    }

    bool addKeyPress(quint16 key, bool shift, bool extended)
    {
        const bool ownShift = shift && !(m_held & ShiftHeld);
        if (ownShift && !append({ vk::Shift, 0, {} }))
            return false;
        if (!append({ key, 0, extended ? KeyFlags(KeyFlag::ExtendedKey) : KeyFlags() }))
            return false;
        if (!append({ key, m_layout.scanCodeFor(key), KeyFlag::KeyUp }))
            return false;
        return !ownShift || append({ vk::Shift, 0, KeyFlag::KeyUp });
    }

    bool addCharEvent(char32_t character)
    {
        return append({ 0, quint32(character), KeyFlag::Character })
            && append({ 0, quint32(character), KeyFlag::Character | KeyFlag::KeyUp });
    }

    bool append(const KeyRecord& record)
    {
        if (qsizetype(m_records.size()) >= KeySequenceParser::MaxRecords)
            return failTooLong();
        m_records.push_back(record);
        return true;
    }

    bool failTooLong()
    {
        return fail(QStringLiteral("Die Tastenfolge ist zu lang: sie ergäbe mehr als %1 "
                                   "Tastenereignisse; sie wurde nicht gesendet.")
                        .arg(KeySequenceParser::MaxRecords));
    }

    bool fail(const QString& why)
    {
        m_error = why;
        m_records.clear();
        return false;
    }

    const KeyboardLayout& m_layout;
    const QString& m_sequence;
    // Where the last ")" and "}" are: a search that starts after them fails at once, so
    // many unmatched brackets cost no rescans of the rest.
    const qsizetype m_lastCloseParen;
    const qsizetype m_lastCloseBrace;
    qsizetype m_position = 0; // index of the next character to read
    int m_held = 0; // modifiers held by a prefix
    std::vector<KeyRecord> m_records;
    QString m_error;
};

} // namespace

ParsedKeys KeySequenceParser::parse(const QString& sequence) const
{
    return ParseRun(m_layout, sequence).run();
}

} // namespace suite::browser
