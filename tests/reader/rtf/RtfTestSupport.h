#pragma once

// Reading helpers for the RTF tests: what a user would see in the field, block by block
// and character by character.
#include "reader/rtf/RtfReader.h"

#include "fakes/QtPrinters.h"

#include <QColor>
#include <QFile>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>

namespace suite::test {

// The text of each paragraph exactly as stored (line breaks stay U+2028, no-break spaces
// stay U+00A0), which QTextDocument::toPlainText would blur.
inline QStringList paragraphs(const QTextDocument& document)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

inline QString text(const rtf::RtfResult& result)
{
    return paragraphs(*result.document).join(u'\n');
}

inline rtf::RtfResult readRtf(const char* rtf)
{
    return rtf::read(QByteArray(rtf));
}

// The format of the character at `position`.
inline QTextCharFormat formatAt(const QTextDocument& document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// Whether every character of the first occurrence of `needle` satisfies `test`.
// False when the needle is not in the document.
inline bool everyChar(const QTextDocument& document, const QString& needle,
    const std::function<bool(const QTextCharFormat&)>& test)
{
    const QTextCursor found = document.find(needle, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return false;
    for (int pos = found.selectionStart(); pos < found.selectionEnd(); ++pos) {
        if (!test(formatAt(document, pos)))
            return false;
    }
    return true;
}

inline bool isBold(const QTextCharFormat& f)
{
    return f.fontWeight() >= QFont::Bold;
}
inline bool isItalic(const QTextCharFormat& f)
{
    return f.fontItalic();
}
inline bool isUnderlined(const QTextCharFormat& f)
{
    return f.fontUnderline();
}
inline bool isPlain(const QTextCharFormat& f)
{
    return !isBold(f) && !isItalic(f) && !isUnderlined(f) && !f.fontStrikeOut();
}

inline QByteArray fixture(const QString& name)
{
    QFile file(QStringLiteral(RTF_FIXTURES_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace suite::test
