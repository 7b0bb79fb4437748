#pragma once

#include <QFlags>

namespace suite::rtf {

// What the reader met that it could not read as written. Each one has a fixed, tested
// reaction; none stops the reading except NotRtf.
enum class RtfIssue {
    NotRtf = 1 << 0,
    MissingClosingBrace = 1 << 1, // the text read so far is kept
    StrayClosingBrace = 1 << 2, // ignored: it never closes more than was opened
    NestingTooDeep = 1 << 3, // deeper groups are read as part of the group around them
    TooManyTableEntries = 1 << 4, // fonts or colours beyond the bound are ignored
    ControlWordTooLong = 1 << 5, // the word is ignored with its parameter
    ParameterTooLong = 1 << 6, // the word is ignored
    BinaryTruncated = 1 << 7, // \binN with fewer than N bytes left: skipped to the end
    BadHexByte = 1 << 8, // \' without two hex digits: ignored
    TrailingContent = 1 << 9, // text after the document's last "}" is read as well
};
Q_DECLARE_FLAGS(RtfIssues, RtfIssue)
Q_DECLARE_OPERATORS_FOR_FLAGS(RtfIssues)

} // namespace suite::rtf
