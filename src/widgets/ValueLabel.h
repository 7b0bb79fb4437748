#pragma once

#include <QLabel>

namespace suite {

// A label that shows a changing value: a calculator's display, a clock's time. A plain
// QLabel with an accessible name hides its text from screen readers; this one keeps its
// name (set or, without one, the text itself) and offers its whole value through the
// accessibility text interface, announcing every change.
class ValueLabel : public QLabel {
    Q_OBJECT
public:
    explicit ValueLabel(QWidget* parent = nullptr);

    // Shows `shown` (the value itself when empty) and offers `value` to screen readers:
    // a display that shortens a long number still reads the whole number.
    void setValue(const QString& value, const QString& shown = {});
    QString value() const { return m_value; }

private:
    QString m_value;
};

} // namespace suite
