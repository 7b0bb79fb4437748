#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace suite {

// The contents of a private-profile ("ini") file, kept line by line so that a write changes
// only the line it must: every other line is written back byte for byte. Pure: no file I/O,
// so the parser can be fed arbitrary bytes.
//
// Reading rules: a UTF-8 byte order mark is skipped; lines are trimmed (CR and ^Z count as
// blanks); "[name]" opens a section whose name ends at the last "]"; lines before the first
// section form the unnamed section (name ""); "key=value" is a key; any other line is kept but
// is no key. Sections and keys match without regard to case, the first match wins.
class ProfileDocument {
public:
    struct Entry {
        QString key;
        QString value;
    };

    static ProfileDocument parse(const QByteArray& bytes);
    QByteArray serialise() const;

    // The value as GetPrivateProfileString gives it: quotes around it dropped, cut at the first
    // NUL, and at most bufferChars - 1 characters. A missing key gives the default with its
    // trailing blanks removed, under the same length bound.
    QString read(const QString& section, const QString& key, const QString& defaultValue,
        int bufferChars = 255) const;
    // The whole value (quotes dropped, cut at a NUL), or nothing when the key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Replaces the first line of the key in place, or adds "key=value" after the last key of
    // the section, or adds the section at the end. Names and values that would not read back
    // as written (line breaks, NUL, "=" in a key) are refused.
    Result write(const QString& section, const QString& key, const QString& value);

    // Section names in file order (duplicates included, the unnamed section only when it
    // holds a key) and the keys of the first section of a name, in file order.
    QStringList sections() const;
    QList<Entry> entries(const QString& section) const;

private:
    enum class LineKind { Blank, Section, Key, Other };
    struct Line {
        QByteArray text; // as read, without the line ending
        QByteArray ending; // "\r\n", "\n", or "" for a last line without one
        LineKind kind = LineKind::Blank;
        QString name; // section or key name, trimmed
        QString value; // key value, trimmed, quotes still on
    };
    struct Range {
        qsizetype headerLine; // -1 for the unnamed section
        qsizetype begin;
        qsizetype end;
    };

    static Line parseLine(QByteArray text, QByteArray ending);
    std::optional<Range> findSection(const QString& trimmedName) const;
    qsizetype findKey(const Range& range, const QString& trimmedKey) const;

    bool m_bom = false;
    QList<Line> m_lines;
};

} // namespace suite
