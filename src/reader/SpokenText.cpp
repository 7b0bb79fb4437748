#include "reader/SpokenText.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace suite::reader::spoken {

std::optional<TextRange> wordBeforeBlank(const std::function<QChar(int)>& charAt, int caret)
{
    // p and i count from 1 as the positions of the text do; position n is charAt(n - 1).
    const int p = caret;
    if (p <= 1 || charAt(p - 1) != QLatin1Char(' '))
        return std::nullopt;
    int i = 1;
    while (i < p - 1 && charAt(p - i - 1) != QLatin1Char(' '))
        ++i;
    return TextRange { p - i - 1, i };
}

bool isEchoedLetter(QChar c)
{
    return c.unicode() > 31 && c.unicode() != 167 && c.category() != QChar::Other_Control;
}

QString reversed(const QString& text)
{
    QStringList clusters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int start = 0;
    while (finder.toNextBoundary() != -1) {
        clusters.prepend(text.mid(start, finder.position() - start));
        start = finder.position();
    }
    return clusters.join(QString());
}

QString testText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("Blaukraut bleibt Blaukraut und Brautkleid bleibt Brautkleid. ")
        + lineBreak
        + QStringLiteral("Bürsten mit schwarzen Borsten bürsten besser als Bürsten mit braunen "
                         "Borsten.")
        + lineBreak + QStringLiteral("Das musst Du mir erst mal nachmachen !");
}

QString cutAtLimit(const QString& text, int limit)
{
    if (text.size() <= limit)
        return text;
    int cut = limit;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

int fieldPosition(const QString& text, int position)
{
    int field = position;
    const int end = std::min<int>(position, text.size() - 1);
    for (int i = 0; i < end; ++i) {
        if (text.at(i) == u'\r' && text.at(i + 1) == u'\n')
            --field;
    }
    return field;
}

} // namespace suite::reader::spoken
