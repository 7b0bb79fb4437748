#pragma once

#include "widgets/ValueLabel.h"

namespace suite {

// A value label that always shows its whole text: the text is drawn in the label's font when
// it fits the contents, else in the largest smaller size down to `smallestPoints` that does;
// only what even that size cannot hold loses its front to an ellipsis.
// The size is chosen when the label is drawn, not when the text is set: measuring loads the
// font, and a window should not wait for fonts before it shows.
class FittingLabel : public ValueLabel {
    Q_OBJECT
public:
    explicit FittingLabel(int smallestPoints, QWidget* parent = nullptr);

    // The font the text is drawn in, and the text as drawn (the whole text unless even the
    // smallest size cannot hold it).
    QFont shownFont() const;
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Fit {
        QString text;
        int room = -1;
        QFont base;
        QFont font;
        QString shown;
    };
    const Fit& fit() const;

    int m_smallestPoints;
    mutable Fit m_fit;
};

} // namespace suite
