#include "reader/rtf/RtfReader.h"

#include "reader/rtf/RtfParser.h"

namespace suite::rtf {

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

QString messageFor(RtfIssues issues)
{
    const RtfIssues damage = RtfIssue::MissingClosingBrace | RtfIssue::StrayClosingBrace
        | RtfIssue::ControlWordTooLong | RtfIssue::ParameterTooLong | RtfIssue::BinaryTruncated
        | RtfIssue::BadHexByte | RtfIssue::TrailingContent;
    const RtfIssues limits = RtfIssue::NestingTooDeep | RtfIssue::TooManyTableEntries;
    QStringList parts;
    if (issues & damage)
        parts << QStringLiteral("Die RTF-Datei ist beschädigt; es wurde gelesen, was lesbar war.");
    if (issues & limits)
        parts << QStringLiteral("Die RTF-Datei ist zu tief verschachtelt oder hat zu viele "
                                "Schriften oder Farben; der Text wurde gelesen, ein Teil der "
                                "Formatierung fehlt.");
    return parts.join(u' ');
}

} // namespace

bool isRtf(QByteArrayView bytes)
{
    if (bytes.startsWith(utf8Bom))
        bytes = bytes.sliced(utf8Bom.size());
    return bytes.startsWith("{\\rtf");
}

RtfResult read(const QByteArray& bytes)
{
    RtfResult result;
    result.document = std::make_unique<QTextDocument>();
    if (!isRtf(bytes)) {
        result.issues = RtfIssue::NotRtf;
        result.message = QStringLiteral("Die Datei ist keine RTF-Datei.");
        return result;
    }
    QByteArrayView input(bytes);
    if (input.startsWith(utf8Bom))
        input = input.sliced(utf8Bom.size());

    // Building without undo steps keeps memory in line with the text; the field that shows
    // the document gets a fresh, empty undo history.
    result.document->setUndoRedoEnabled(false);
    RtfParser parser(input, *result.document);
    result.issues = parser.run();
    result.document->setUndoRedoEnabled(true);
    result.ok = true;
    result.message = messageFor(result.issues);
    return result;
}

} // namespace suite::rtf
