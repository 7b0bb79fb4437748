#include "widgets/agent/WordBalloon.h"

#include "widgets/ReadOnlyTextAccessible.h"
#include "widgets/agent/TopWindowFlags.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>

namespace suite {

namespace {
constexpr int kTextWidth = 236;
constexpr int kPadding = 10;
constexpr int kTail = 14;
constexpr int kMargin = 4;

// A screen reader, a braille display or a magnifier reads the balloon's whole text, with the
// word being heard as the selection and the cursor at its start.
class WordBalloonAccessible final : public ReadOnlyTextAccessible {
public:
    explicit WordBalloonAccessible(WordBalloon* balloon)
        : ReadOnlyTextAccessible(balloon, QAccessible::StaticText)
    {
    }

protected:
    const WordBalloon* balloon() const { return static_cast<const WordBalloon*>(widget()); }
    QString wholeText() const override { return balloon()->text(); }
    std::pair<int, int> marked() const override { return balloon()->markedRange(); }
};

QAccessibleInterface* makeAccessible(const QString&, QObject* object)
{
    if (auto* balloon = qobject_cast<WordBalloon*>(object))
        return new WordBalloonAccessible(balloon);
    return nullptr;
}
} // namespace

WordBalloon::WordBalloon(QWidget* parent)
    : QWidget(parent, topWindowFlags())
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("WordBalloon"));
    // The factory comes first: naming the balloon makes Qt build its accessibility view.
    static const bool accessible = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    Q_UNUSED(accessible)
    setAccessibleName(QStringLiteral("Sprechblase"));
    QFont f = font();
    f.setPointSizeF(11);
    setFont(f);
}

int WordBalloon::lineHeight() const
{
    return fontMetrics().lineSpacing();
}

void WordBalloon::setText(const QString& text)
{
    if (QAccessible::isActive() && text != m_text) {
        QAccessibleTextUpdateEvent update(this, 0, m_text, text);
        QAccessible::updateAccessibility(&update);
    }
    m_text = text;
    m_words.clear();
    m_marked = -1;
    int start = -1;
    for (int i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text.at(i).isSpace();
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            m_words.append({ start, i - start });
            start = -1;
        }
    }
    layoutPage(0);
}

// Fills up to kMaxLines lines from firstWord on; a word wider than a line gets a line of
// its own and is cut off by the painter.
void WordBalloon::layoutPage(int firstWord)
{
    m_page.clear();
    const QFontMetrics fm = fontMetrics();
    const int space = fm.horizontalAdvance(QLatin1Char(' '));
    int i = firstWord;
    while (i < m_words.size() && m_page.size() < kMaxLines) {
        Line line { i, i };
        int width = fm.horizontalAdvance(m_text.mid(m_words[i].position, m_words[i].length));
        while (line.last + 1 < m_words.size()) {
            const Word& next = m_words[line.last + 1];
            const int w = fm.horizontalAdvance(m_text.mid(next.position, next.length));
            if (width + space + w > kTextWidth)
                break;
            width += space + w;
            ++line.last;
        }
        m_page.append(line);
        i = line.last + 1;
    }
    const int lines = std::max<int>(1, m_page.size());
    setFixedSize(kTextWidth + 2 * kPadding, lines * lineHeight() + 2 * kPadding + kTail);
    if (isVisible())
        place();
    update();
}

void WordBalloon::markWord(int position)
{
    // The last word starting at or before the position holds it.
    auto it = std::upper_bound(m_words.cbegin(), m_words.cend(), position,
        [](int pos, const Word& w) { return pos < w.position; });
    if (it == m_words.cbegin())
        return;
    const int index = int(it - m_words.cbegin()) - 1;
    if (index == m_marked)
        return;
    m_marked = index;
    if (m_page.isEmpty() || index < m_page.first().first || index > m_page.last().last) {
        // Turn the page so the word being heard opens the new one.
        layoutPage(index);
    }
    update();
    if (QAccessible::isActive()) {
        const auto [start, length] = markedRange();
        QAccessibleTextSelectionEvent selection(this, start, start + length);
        selection.setCursorPosition(start);
        QAccessible::updateAccessibility(&selection);
    }
}

// The balloon takes its font family from the desktop, which may change it at any time (a
// font or scaling setting): the page is laid out again with the new metrics, so no word runs
// past the edge and no line past the bottom, and the word being heard stays on it.
void WordBalloon::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::FontChange || m_page.isEmpty())
        return;
    layoutPage(m_page.first().first);
    if (m_marked > m_page.last().last)
        layoutPage(m_marked);
}

std::pair<int, int> WordBalloon::markedRange() const
{
    if (m_marked < 0 || m_marked >= m_words.size())
        return { 0, 0 };
    return { m_words[m_marked].position, m_words[m_marked].length };
}

QString WordBalloon::markedWord() const
{
    const auto [start, length] = markedRange();
    return m_text.mid(start, length);
}

void WordBalloon::showNear(const QRect& anchor)
{
    m_anchor = anchor;
    place();
    show();
}

// Above the anchor, or below it when there is no room above; a few pixels off the screen's
// edges. Called again when a page of another height comes, so the tail keeps its place.
void WordBalloon::place()
{
    QScreen* screen = QGuiApplication::screenAt(m_anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = (screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768))
                           .adjusted(kMargin, kMargin, -kMargin, -kMargin);
    int x = m_anchor.center().x() - width() / 2;
    int y = m_anchor.top() - height() + 8;
    m_tailAtTop = y < area.top();
    if (m_tailAtTop)
        y = m_anchor.bottom() - 8;
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - width()));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - height()));
    move(x, y);
    updateShape();
}

QRectF WordBalloon::bodyRect() const
{
    return QRectF(rect()).adjusted(1, m_tailAtTop ? kTail : 1, -1, m_tailAtTop ? -1 : -kTail);
}

QPainterPath WordBalloon::outline() const
{
    const QRectF body = bodyRect();
    QPainterPath path;
    path.addRoundedRect(body, 12, 12);
    const qreal cx = width() / 2.0;
    QPolygonF tail;
    if (m_tailAtTop)
        tail << QPointF(cx - 8, body.top() + 1) << QPointF(cx + 2, 1)
             << QPointF(cx + 10, body.top() + 1);
    else
        tail << QPointF(cx - 8, body.bottom() - 1) << QPointF(cx + 2, height() - 1)
             << QPointF(cx + 10, body.bottom() - 1);
    path.addPolygon(tail);
    return path.simplified();
}

// Shaped like the balloon, for the same reason as the character window: without a
// compositor the corners outside it would show black.
void WordBalloon::updateShape()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    QPainterPathStroker border;
    border.setWidth(2); // just the outer half of the drawn border
    const QPainterPath path = outline();
    setMask(QRegion(path.united(border.createStroke(path)).toFillPolygon().toPolygon()));
}

void WordBalloon::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body = bodyRect();
    const QPainterPath path = outline();
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.setBrush(QColor(255, 252, 235));
    p.drawPath(path);

    const QFontMetrics fm = fontMetrics();
    const int space = fm.horizontalAdvance(QLatin1Char(' '));
    p.setClipRect(body.adjusted(kPadding - 2, 0, -(kPadding - 2), 0));
    int y = int(body.top()) + kPadding;
    for (const Line& line : std::as_const(m_page)) {
        int x = kPadding;
        for (int i = line.first; i <= line.last; ++i) {
            const QString word = m_text.mid(m_words[i].position, m_words[i].length);
            const int w = fm.horizontalAdvance(word);
            if (i == m_marked) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 214, 74));
                p.drawRoundedRect(QRectF(x - 2, y, w + 4, fm.height()), 3, 3);
                p.setPen(QColor(20, 40, 110));
            } else {
                p.setPen(QColor(30, 30, 30));
            }
            p.drawText(x, y + fm.ascent(), word);
            x += w + space;
        }
        y += lineHeight();
    }
}

} // namespace suite
