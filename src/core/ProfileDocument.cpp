#include "core/ProfileDocument.h"

#include <QStringDecoder>

namespace suite {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");
const QByteArray crLf("\r\n");

// Blanks as the private-profile reader sees them: white space, and ^Z left by old editors.
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

bool isBlank(QChar c)
{
    return c.unicode() < 0x80 && isBlank(static_cast<char>(c.unicode()));
}

// Text is QByteArray (raw lines) or QString (names and values); both trim the same blanks.
template <typename Text> Text trimmedBlanks(const Text& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QByteArray trimmedBytes(const QByteArray& text)
{
    return trimmedBlanks(text);
}

QString trimmedText(const QString& text)
{
    return trimmedBlanks(text);
}

// Unlike QString::fromUtf8, keeps a U+FEFF at the start: a value may begin with one, and
// only the file's first bytes are a byte order mark.
QString decoded(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

QString cutAtNul(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

// A buffer of N characters holds N - 1 of them and the terminating NUL. A surrogate pair
// is never split.
QString boundToBuffer(const QString& text, int bufferChars)
{
    if (bufferChars <= 0)
        return {};
    if (text.size() < bufferChars)
        return text;
    qsizetype keep = bufferChars - 1;
    if (keep > 0 && text[keep - 1].isHighSurrogate())
        --keep;
    return text.left(keep);
}

bool equalNames(const QString& a, const QString& b)
{
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasLineBreakOrNul(const QString& text)
{
    for (QChar c : text) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return true;
    }
    return false;
}

} // namespace

ProfileDocument ProfileDocument::parse(const QByteArray& bytes)
{
    ProfileDocument doc;
    qsizetype pos = 0;
    if (bytes.startsWith(utf8Bom)) {
        doc.m_bom = true;
        pos = utf8Bom.size();
    }
    while (pos < bytes.size()) {
        const qsizetype newline = bytes.indexOf('\n', pos);
        qsizetype end = newline < 0 ? bytes.size() : newline;
        qsizetype next = newline < 0 ? bytes.size() : newline + 1;
        QByteArray ending = bytes.mid(end, next - end);
        if (end > pos && bytes[end - 1] == '\r' && !ending.isEmpty()) {
            --end;
            ending = crLf;
        }
        doc.m_lines.append(parseLine(bytes.mid(pos, end - pos), ending));
        pos = next;
    }
    return doc;
}

ProfileDocument::Line ProfileDocument::parseLine(QByteArray text, QByteArray ending)
{
    Line line;
    line.text = std::move(text);
    line.ending = std::move(ending);
    const QByteArray trimmed = trimmedBytes(line.text);
    if (trimmed.isEmpty()) {
        line.kind = LineKind::Blank;
        return line;
    }
    if (trimmed.front() == '[') {
        const qsizetype close = trimmed.lastIndexOf(']');
        if (close > 0) {
            line.kind = LineKind::Section;
            line.name = trimmedText(decoded(trimmed.mid(1, close - 1)));
            return line;
        }
    }
    const qsizetype equals = trimmed.indexOf('=');
    if (equals < 0) {
        line.kind = LineKind::Other;
        return line;
    }
    line.kind = LineKind::Key;
    line.name = trimmedText(decoded(trimmed.left(equals)));
    line.value = trimmedText(decoded(trimmed.mid(equals + 1)));
    return line;
}

QByteArray ProfileDocument::serialise() const
{
    qsizetype size = m_bom ? utf8Bom.size() : 0;
    for (const Line& line : m_lines)
        size += line.text.size() + crLf.size();
    QByteArray out;
    out.reserve(size);
    // A first line written to start with U+FEFF would read as a byte order mark without one.
    const bool bom = m_bom || (!m_lines.isEmpty() && m_lines.front().text.startsWith(utf8Bom));
    if (bom)
        out += utf8Bom;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        out += line.text;
        // A last line without an ending gets one as soon as a line follows it.
        const bool last = i + 1 == m_lines.size();
        out += (line.ending.isEmpty() && !last) ? crLf : line.ending;
    }
    return out;
}

std::optional<ProfileDocument::Range> ProfileDocument::findSection(const QString& trimmedName) const
{
    qsizetype firstHeader = 0;
    while (firstHeader < m_lines.size() && m_lines[firstHeader].kind != LineKind::Section)
        ++firstHeader;
    if (trimmedName.isEmpty())
        return Range { -1, 0, firstHeader };
    for (qsizetype i = firstHeader; i < m_lines.size(); ++i) {
        if (m_lines[i].kind != LineKind::Section || !equalNames(m_lines[i].name, trimmedName))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && m_lines[end].kind != LineKind::Section)
            ++end;
        return Range { i, i + 1, end };
    }
    return std::nullopt;
}

qsizetype ProfileDocument::findKey(const Range& range, const QString& trimmedKey) const
{
    for (qsizetype i = range.begin; i < range.end; ++i) {
        if (m_lines[i].kind == LineKind::Key && equalNames(m_lines[i].name, trimmedKey))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileDocument::value(const QString& section, const QString& key) const
{
    const std::optional<Range> range = findSection(trimmedText(section));
    if (!range)
        return std::nullopt;
    const qsizetype line = findKey(*range, trimmedText(key));
    if (line < 0)
        return std::nullopt;
    return cutAtNul(unquoted(m_lines[line].value));
}

QString ProfileDocument::read(
    const QString& section, const QString& key, const QString& defaultValue, int bufferChars) const
{
    const std::optional<QString> found = value(section, key);
    if (found)
        return boundToBuffer(*found, bufferChars);
    QString fallback = cutAtNul(defaultValue);
    while (!fallback.isEmpty() && fallback.back() == u' ')
        fallback.chop(1);
    return boundToBuffer(fallback, bufferChars);
}

Result ProfileDocument::write(const QString& section, const QString& key, const QString& value)
{
    const QString sectionName = trimmedText(section);
    const QString keyName = trimmedText(key);
    if (keyName.isEmpty())
        return Result::failure(QStringLiteral("Der Schlüsselname ist leer."));
    if (hasLineBreakOrNul(sectionName) || hasLineBreakOrNul(keyName) || hasLineBreakOrNul(value))
        return Result::failure(
            QStringLiteral("Abschnitt, Schlüssel und Wert dürfen keinen Zeilenumbruch und kein "
                           "Nullzeichen enthalten (Schlüssel „%1“).")
                .arg(keyName));
    if (keyName.contains(u'=') || keyName.startsWith(u'['))
        return Result::failure(
            QStringLiteral("Der Schlüsselname „%1“ darf kein „=“ enthalten und nicht mit „[“ "
                           "beginnen.")
                .arg(keyName));

    std::optional<Range> range = findSection(sectionName);
    if (!range) {
        m_lines.append(parseLine("[" + sectionName.toUtf8() + "]", crLf));
        range = Range { m_lines.size() - 1, m_lines.size(), m_lines.size() };
    }
    const qsizetype existing = findKey(*range, keyName);
    if (existing >= 0) {
        // The key keeps the spelling (and the very bytes) it has in the file.
        const QByteArray line = trimmedBytes(m_lines[existing].text);
        const QByteArray spelling = trimmedBytes(line.left(line.indexOf('=')));
        m_lines[existing] = parseLine(spelling + "=" + value.toUtf8(), crLf);
        return Result::success();
    }
    qsizetype insertAt = range->begin;
    for (qsizetype i = range->begin; i < range->end; ++i) {
        if (m_lines[i].kind == LineKind::Key)
            insertAt = i + 1;
    }
    m_lines.insert(insertAt, parseLine(keyName.toUtf8() + "=" + value.toUtf8(), crLf));
    return Result::success();
}

QStringList ProfileDocument::sections() const
{
    QStringList names;
    for (const Line& line : m_lines) {
        if (line.kind == LineKind::Section)
            names.append(line.name);
        else if (line.kind == LineKind::Key && names.isEmpty())
            names.append(QString());
    }
    return names;
}

QList<ProfileDocument::Entry> ProfileDocument::entries(const QString& section) const
{
    QList<Entry> result;
    const std::optional<Range> range = findSection(trimmedText(section));
    if (!range)
        return result;
    for (qsizetype i = range->begin; i < range->end; ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Key)
            result.append({ line.name, cutAtNul(unquoted(line.value)) });
    }
    return result;
}

} // namespace suite
