#pragma once

#include "reader/rtf/RtfIssue.h"

#include <QByteArray>
#include <QString>
#include <QTextDocument>

#include <memory>

namespace suite::rtf {

struct RtfResult {
    // False only when the bytes are no RTF at all; a damaged file still gives what was
    // readable, with `message` saying so.
    bool ok = false;
    QString message; // for the user, in German; empty when the file read cleanly
    RtfIssues issues;
    std::unique_ptr<QTextDocument> document; // never null
};

// Whether the bytes are an RTF file: "{\rtf", after a UTF-8 byte order mark if any.
bool isRtf(QByteArrayView bytes);

// Reads RTF into a new document: text, paragraphs, bold, italic, underline, strike-out,
// font sizes, colours, and tables as one paragraph per row with tab-separated cells.
// Time and memory grow linearly with the input, whatever it holds.
RtfResult read(const QByteArray& bytes);

} // namespace suite::rtf
