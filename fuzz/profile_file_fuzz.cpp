// Feeds arbitrary bytes to the private-profile parser: the bytes must come back unchanged, a
// few reads must not fail, and a write must read back as written after a save and a reparse.
#include "core/ProfileDocument.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using suite::ProfileDocument;

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "profile_file: %s\n", what);
        std::abort();
    }
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f'
        || c == QChar(0x1a);
}

// What a reader gets back for a value written as it stands: blanks around it and one pair of
// matching quotes are not part of it.
QString expectedReading(QString value)
{
    while (!value.isEmpty() && isBlank(value.front()))
        value.remove(0, 1);
    while (!value.isEmpty() && isBlank(value.back()))
        value.chop(1);
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

void writeAndReadBack(ProfileDocument document, const QString& section, const QString& key,
    const QString& value, bool mustSucceed)
{
    const suite::Result written = document.write(section, key, value);
    check(!mustSucceed || written.ok, "a plain write was refused");
    if (!written.ok) {
        check(!written.error.isEmpty(), "a refused write gave no reason");
        return;
    }
    const ProfileDocument reparsed = ProfileDocument::parse(document.serialise());
    const std::optional<QString> found = reparsed.value(section, key);
    check(found.has_value(), "the written key is missing after a reparse");
    check(*found == expectedReading(value), "the written key reads back differently");
    check(reparsed.serialise() == document.serialise(),
        "a saved document does not reparse to itself");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ProfileDocument document = ProfileDocument::parse(bytes);
    check(document.serialise() == bytes, "parsing and saving changed the bytes");

    (void)document.read("Speed", "V", "150");
    (void)document.read("", "", "x", 1);
    check(document.read("Sprache", "L", "", 4).size() <= 3, "the buffer bound was exceeded");
    const QStringList sections = document.sections();
    for (qsizetype i = 0; i < sections.size() && i < 4; ++i)
        (void)document.entries(sections[i]);

    // A value made of the last bytes of the input, without what a single line cannot hold.
    QString value = QString::fromUtf8(bytes.right(48));
    value.remove(u'\r');
    value.remove(u'\n');
    value.remove(QChar(u'\0'));

    writeAndReadBack(document, "Speed", "V", value, true);
    writeAndReadBack(document, "Charakter", "C", QString(), true);
    if (!sections.isEmpty()) {
        const QString& section = sections[static_cast<qsizetype>(size) % sections.size()];
        const QList<ProfileDocument::Entry> entries = document.entries(section);
        writeAndReadBack(document, section, "Neu", value, false);
        if (!entries.isEmpty())
            writeAndReadBack(document, section, entries.back().key, value, false);
    }
    return 0;
}
