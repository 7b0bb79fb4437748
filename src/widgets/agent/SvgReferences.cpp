#include "widgets/agent/SvgReferences.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace suite {

namespace {

QSet<QString> matches(const QRegularExpression& re, const QByteArray& svg)
{
    QSet<QString> out;
    auto it = re.globalMatch(QString::fromUtf8(svg));
    while (it.hasNext())
        out.insert(it.next().captured(1));
    return out;
}

struct Node {
    QString useTarget;
    QList<int> children;
};

class UseCounter {
public:
    explicit UseCounter(const QByteArray& document);
    qint64 count();

private:
    qint64 cost(int node, int depth);

    QList<Node> m_nodes;
    QHash<QString, int> m_byId;
    QList<qint64> m_memo; // -2 unknown, -3 in progress
    bool m_ok = true;
};

UseCounter::UseCounter(const QByteArray& document)
{
    QXmlStreamReader xml(document);
    QList<int> open;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const int index = int(m_nodes.size());
            Node node;
            if (xml.name() == QLatin1String("use")) {
                QString href = xml.attributes()
                                   .value(QLatin1String("http://www.w3.org/1999/xlink"),
                                       QLatin1String("href"))
                                   .toString();
                if (href.isEmpty())
                    href = xml.attributes().value(QLatin1String("href")).toString();
                if (href.startsWith(QLatin1Char('#')))
                    node.useTarget = href.mid(1);
            }
            const QString id = xml.attributes().value(QLatin1String("id")).toString();
            if (!id.isEmpty() && !m_byId.contains(id))
                m_byId.insert(id, index);
            m_nodes.append(node);
            if (!open.isEmpty())
                m_nodes[open.last()].children.append(index);
            open.append(index);
        } else if (token == QXmlStreamReader::EndElement && !open.isEmpty()) {
            open.removeLast();
        }
    }
    m_ok = !xml.hasError() && !m_nodes.isEmpty();
    m_memo.fill(-2, m_nodes.size());
}

qint64 UseCounter::count()
{
    if (!m_ok)
        return -1;
    return cost(0, 0);
}

// Costs saturate just past the budget, so deep fan-outs never overflow or take long.
qint64 UseCounter::cost(int node, int depth)
{
    constexpr qint64 cap = SvgReferences::kMaxDrawnElements + 1;
    if (m_memo[node] == -3 || depth > 256)
        return -1; // a <use> that reaches itself
    if (m_memo[node] >= 0)
        return m_memo[node];
    m_memo[node] = -3;
    qint64 total = 1;
    const auto add = [&](int child) {
        const qint64 c = cost(child, depth + 1);
        if (c < 0)
            return false;
        total = std::min(cap, total + c);
        return true;
    };
    for (int child : m_nodes[node].children) {
        if (!add(child))
            return -1;
    }
    const auto target = m_byId.constFind(m_nodes[node].useTarget);
    if (!m_nodes[node].useTarget.isEmpty() && target != m_byId.constEnd() && !add(*target))
        return -1;
    m_memo[node] = total;
    return total;
}

} // namespace

QSet<QString> SvgReferences::ids(const QByteArray& svg)
{
    static const QRegularExpression re(QStringLiteral("\\bid\\s*=\\s*[\"']([^\"']+)[\"']"));
    return matches(re, svg);
}

QSet<QString> SvgReferences::references(const QByteArray& svg)
{
    static const QRegularExpression re(
        QStringLiteral("(?:href\\s*=\\s*[\"']#|url\\(\\s*#)([^\"')\\s]+)"));
    return matches(re, svg);
}

QString SvgReferences::dangling(const QByteArray& svg, const QSet<QString>& known)
{
    for (const QString& ref : references(svg)) {
        if (!known.contains(ref))
            return ref;
    }
    return {};
}

qint64 SvgReferences::drawnElements(const QByteArray& document)
{
    return UseCounter(document).count();
}

} // namespace suite
