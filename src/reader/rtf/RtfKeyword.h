#pragma once

#include <QByteArrayView>

namespace suite::rtf {

// The control words the reader acts on. Every other word is ignored, as RTF requires.
enum class RtfKeyword {
    Unknown,
    // Destinations
    FontTable,
    ColorTable,
    SkippedDestination, // a destination whose text is never shown (header, picture, ...)
    // Document
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    // Font and colour tables
    Font,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    // Character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Hidden,
    FontSize,
    ForegroundColor,
    // Unicode
    UnicodeSkip,
    Unicode,
    Binary,
    // Structure
    Paragraph,
    Section,
    Page,
    Line,
    Tab,
    Cell,
    Row,
    RowDefaults,
    InTable,
    // Special characters
    EmDash,
    EnDash,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
};

RtfKeyword lookupKeyword(QByteArrayView word);

// The character a word such as \emdash or \tab stands for; 0 for every other word.
char16_t characterFor(RtfKeyword keyword);

} // namespace suite::rtf
