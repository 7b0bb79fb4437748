#include "reader/rtf/RtfKeyword.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace suite::rtf {

namespace {

using Entry = std::pair<std::string_view, RtfKeyword>;
using K = RtfKeyword;

// Sorted by word (checked at compile time below) for a binary search without allocation.
constexpr auto keywords = std::to_array<Entry>({
    { "aftncn", K::SkippedDestination },
    { "aftnsep", K::SkippedDestination },
    { "aftnsepc", K::SkippedDestination },
    { "annotation", K::SkippedDestination },
    { "ansi", K::Ansi },
    { "ansicpg", K::AnsiCodePage },
    { "atnauthor", K::SkippedDestination },
    { "atndate", K::SkippedDestination },
    { "atnicn", K::SkippedDestination },
    { "atnid", K::SkippedDestination },
    { "atnref", K::SkippedDestination },
    { "author", K::SkippedDestination },
    { "b", K::Bold },
    { "bin", K::Binary },
    { "bkmkend", K::SkippedDestination },
    { "bkmkstart", K::SkippedDestination },
    { "blue", K::Blue },
    { "bullet", K::Bullet },
    { "buptim", K::SkippedDestination },
    { "category", K::SkippedDestination },
    { "cell", K::Cell },
    { "cf", K::ForegroundColor },
    { "colortbl", K::ColorTable },
    { "comment", K::SkippedDestination },
    { "company", K::SkippedDestination },
    { "cpg", K::FontCodePage },
    { "creatim", K::SkippedDestination },
    { "datafield", K::SkippedDestination },
    { "datastore", K::SkippedDestination },
    { "deff", K::DefaultFont },
    { "doccomm", K::SkippedDestination },
    { "emdash", K::EmDash },
    { "emspace", K::EmSpace },
    { "endash", K::EnDash },
    { "enspace", K::EnSpace },
    { "f", K::Font },
    { "fcharset", K::FontCharset },
    { "fldinst", K::SkippedDestination },
    { "fonttbl", K::FontTable },
    { "footer", K::SkippedDestination },
    { "footerf", K::SkippedDestination },
    { "footerl", K::SkippedDestination },
    { "footerr", K::SkippedDestination },
    { "footnote", K::SkippedDestination },
    { "fs", K::FontSize },
    { "ftncn", K::SkippedDestination },
    { "ftnsep", K::SkippedDestination },
    { "ftnsepc", K::SkippedDestination },
    { "generator", K::SkippedDestination },
    { "green", K::Green },
    { "header", K::SkippedDestination },
    { "headerf", K::SkippedDestination },
    { "headerl", K::SkippedDestination },
    { "headerr", K::SkippedDestination },
    { "i", K::Italic },
    { "info", K::SkippedDestination },
    { "intbl", K::InTable },
    { "keywords", K::SkippedDestination },
    { "latentstyles", K::SkippedDestination },
    { "ldblquote", K::LeftDoubleQuote },
    { "line", K::Line },
    { "listoverridetable", K::SkippedDestination },
    { "listtable", K::SkippedDestination },
    { "lquote", K::LeftQuote },
    { "mac", K::Mac },
    { "manager", K::SkippedDestination },
    { "nestcell", K::Cell },
    { "nestrow", K::Row },
    { "nesttableprops", K::SkippedDestination },
    { "nonshppict", K::SkippedDestination },
    { "objdata", K::SkippedDestination },
    { "object", K::SkippedDestination },
    { "operator", K::SkippedDestination },
    { "page", K::Page },
    { "par", K::Paragraph },
    { "pc", K::Pc },
    { "pca", K::Pca },
    { "pgdsctbl", K::SkippedDestination },
    { "pict", K::SkippedDestination },
    { "plain", K::Plain },
    { "pn", K::SkippedDestination },
    { "printim", K::SkippedDestination },
    { "qmspace", K::QuarterEmSpace },
    { "rdblquote", K::RightDoubleQuote },
    { "red", K::Red },
    { "revtbl", K::SkippedDestination },
    { "revtim", K::SkippedDestination },
    { "row", K::Row },
    { "rquote", K::RightQuote },
    { "rsidtbl", K::SkippedDestination },
    { "rxe", K::SkippedDestination },
    { "sect", K::Section },
    { "shpinst", K::SkippedDestination },
    { "strike", K::Strike },
    { "striked", K::Strike },
    { "stylesheet", K::SkippedDestination },
    { "subject", K::SkippedDestination },
    { "tab", K::Tab },
    { "tc", K::SkippedDestination },
    { "template", K::SkippedDestination },
    { "themedata", K::SkippedDestination },
    { "title", K::SkippedDestination },
    { "trowd", K::RowDefaults },
    { "txe", K::SkippedDestination },
    { "u", K::Unicode },
    { "uc", K::UnicodeSkip },
    { "ul", K::Underline },
    { "uld", K::Underline },
    { "uldash", K::Underline },
    { "uldashd", K::Underline },
    { "uldashdd", K::Underline },
    { "uldb", K::Underline },
    { "ulhwave", K::Underline },
    { "ulldash", K::Underline },
    { "ulnone", K::UnderlineNone },
    { "ulth", K::Underline },
    { "ulthd", K::Underline },
    { "ulthdash", K::Underline },
    { "ulthdashd", K::Underline },
    { "ulthdashdd", K::Underline },
    { "ulthldash", K::Underline },
    { "ululdbwave", K::Underline },
    { "ulw", K::Underline },
    { "ulwave", K::Underline },
    { "userprops", K::SkippedDestination },
    { "v", K::Hidden },
    { "xe", K::SkippedDestination },
    { "xmlnstbl", K::SkippedDestination },
    { "zwj", K::ZeroWidthJoiner },
    { "zwnj", K::ZeroWidthNonJoiner },
});

constexpr bool isSorted()
{
    for (std::size_t i = 1; i < keywords.size(); ++i) {
        if (!(keywords[i - 1].first < keywords[i].first))
            return false;
    }
    return true;
}
static_assert(isSorted(), "the keyword table must stay sorted for the binary search");

} // namespace

RtfKeyword lookupKeyword(QByteArrayView word)
{
    const std::string_view key(word.data(), static_cast<std::size_t>(word.size()));
    const auto it = std::lower_bound(keywords.begin(), keywords.end(), key,
        [](const Entry& entry, std::string_view k) { return entry.first < k; });
    if (it != keywords.end() && it->first == key)
        return it->second;
    return RtfKeyword::Unknown;
}

char16_t characterFor(RtfKeyword keyword)
{
    switch (keyword) {
    case K::Line:
        return 0x2028; // a line break inside the paragraph
    case K::Tab:
        return u'\t';
    case K::EmDash:
        return 0x2014;
    case K::EnDash:
        return 0x2013;
    case K::EmSpace:
        return 0x2003;
    case K::EnSpace:
        return 0x2002;
    case K::QuarterEmSpace:
        return 0x2005;
    case K::Bullet:
        return 0x2022;
    case K::LeftQuote:
        return 0x2018;
    case K::RightQuote:
        return 0x2019;
    case K::LeftDoubleQuote:
        return 0x201C;
    case K::RightDoubleQuote:
        return 0x201D;
    case K::ZeroWidthJoiner:
        return 0x200D;
    case K::ZeroWidthNonJoiner:
        return 0x200C;
    default:
        return 0;
    }
}

} // namespace suite::rtf
