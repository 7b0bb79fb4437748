#pragma once

#include <QList>
#include <QPainterPath>
#include <QRect>
#include <QString>
#include <QWidget>

#include <utility>

namespace suite {

// The word balloon next to a speaking character: the text being spoken, a page of a few
// lines at a time, with the word being heard marked. Long texts turn the page as the marked
// word moves on, so the balloon keeps its size whatever the text's length.
class WordBalloon : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 5;

    explicit WordBalloon(QWidget* parent = nullptr);

    void setText(const QString& text);
    const QString& text() const { return m_text; }
    // Marks the word that contains this character position of the text (QChar units).
    void markWord(int position);
    // The marked word as it stands in the text, or empty before the first word is heard.
    QString markedWord() const;
    // The marked word as its start and length in the text; length 0 when none is marked.
    std::pair<int, int> markedRange() const;
    // Places the balloon above the anchor (a character window), or below it when there is
    // no room above, inside the anchor's screen, and shows it.
    void showNear(const QRect& anchor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Word {
        int position;
        int length;
    };
    struct Line {
        int first;
        int last; // inclusive word indexes
    };

    void layoutPage(int firstWord);
    void place();
    QRectF bodyRect() const;
    QPainterPath outline() const;
    void updateShape();
    int lineHeight() const;

    QString m_text;
    QList<Word> m_words;
    QList<Line> m_page;
    int m_marked = -1;
    bool m_tailAtTop = false;
    QRect m_anchor;
};

} // namespace suite
