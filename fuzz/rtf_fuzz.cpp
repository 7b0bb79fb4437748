// Feeds arbitrary bytes to the RTF reader. Whatever the bytes, the reader must return a
// document, say whether the bytes were RTF, explain every work-around in German, keep the
// document no larger than the input, and never store text that would split or corrupt it.
#include "reader/rtf/RtfReader.h"

#include <QByteArray>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "rtf: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const suite::rtf::RtfResult result = suite::rtf::read(bytes);

    check(result.document != nullptr, "no document");
    check(result.ok == suite::rtf::isRtf(bytes), "ok does not match isRtf");
    check(result.issues.testFlag(suite::rtf::RtfIssue::NotRtf) == !result.ok,
        "NotRtf does not match ok");
    check(result.issues == suite::rtf::RtfIssues() ? result.message.isEmpty()
                                                   : !result.message.isEmpty(),
        "an issue without a message, or a message without an issue");
    // Every character comes from at least one input byte; the final block adds one.
    check(result.document->characterCount() <= static_cast<int>(size) + 1,
        "the document outgrew the input");

    for (QTextBlock block = result.document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        check(QStringView(text).isValidUtf16(), "a lone surrogate reached the document");
        for (const QChar c : text)
            check(c.unicode() >= 0x20 || c == u'\t', "a control character reached the document");
    }
    return 0;
}
