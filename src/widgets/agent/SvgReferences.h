#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace suite {

// What a character's SVG refers to by id. Qt SVG draws a dangling reference as nothing and
// follows <use> chains without limit, so the reader checks both before a picture is shown.
class SvgReferences {
public:
    // Elements drawn for a whole document, every <use> expanded; documents past this are
    // refused, so a few nested <use> fan-outs cannot stall the window that draws them.
    static constexpr qint64 kMaxDrawnElements = 50000;

    static QSet<QString> ids(const QByteArray& svg);
    // Targets of xlink:href="#x" and url(#x).
    static QSet<QString> references(const QByteArray& svg);
    // The first reference of svg that is not in known, or "".
    static QString dangling(const QByteArray& svg, const QSet<QString>& known);
    // How many elements drawing the document takes, <use> expanded; -1 for a <use> cycle or
    // a document that is not well-formed. Counting stops just past kMaxDrawnElements.
    static qint64 drawnElements(const QByteArray& document);
};

} // namespace suite
