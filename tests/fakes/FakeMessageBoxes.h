#pragma once

#include "widgets/MessageBoxes.h"

#include <QList>

namespace suite::test {

// Records every message box instead of showing it and answers with the queued answers in
// order, then with OK. The title is kept as the caller passed it (empty = default title).
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Box {
        QWidget* parent = nullptr;
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
    };

    Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon,
        Buttons buttons) override;

    void queueAnswer(Answer answer) { m_answers << answer; }
    const QList<Box>& boxes() const { return m_boxes; }

private:
    QList<Answer> m_answers;
    QList<Box> m_boxes;
};

} // namespace suite::test
