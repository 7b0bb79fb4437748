#include "widgets/agent/CharacterData.h"

namespace suite {

QByteArray CharacterData::compose(const QStringList& layers) const
{
    const QByteArray w = QByteArray::number(size.width());
    const QByteArray h = QByteArray::number(size.height());
    QByteArray doc;
    doc.reserve(base.size() * 2 + 1024);
    doc += "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" version=\"1.2\" baseProfile=\"tiny\" "
           "width=\""
        + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + ' ' + h
        + "\">\n<defs><g id=\"base\">\n" + base + "\n</g></defs>\n";

    bool drawBase = true;
    QByteArray over;
    for (const QString& name : layers) {
        const auto frame = frames.constFind(name);
        if (frame == frames.constEnd())
            continue;
        if (frame->alone)
            drawBase = false;
        over += frame->svg;
        over += '\n';
    }
    if (drawBase)
        doc += "<use xlink:href=\"#base\"/>\n";
    doc += over;
    doc += "</svg>\n";
    return doc;
}

} // namespace suite
