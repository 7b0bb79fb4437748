#include "widgets/ValueLabel.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace suite {

namespace {

// Read-only text interface over the label's value; the cursor stays at the start.
class ValueLabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? value() : name;
        }
        case QAccessible::Value:
            return value();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override
    {
        const QString whole = value();
        startOffset = std::clamp(startOffset, 0, static_cast<int>(whole.size()));
        endOffset = endOffset < 0
            ? static_cast<int>(whole.size())
            : std::clamp(endOffset, startOffset, static_cast<int>(whole.size()));
        return whole.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(value().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString value() const { return static_cast<const ValueLabel*>(widget())->value(); }
};

QAccessibleInterface* makeAccessible(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<ValueLabel*>(object))
        return new ValueLabelAccessible(label);
    return nullptr;
}

} // namespace

ValueLabel::ValueLabel(QWidget* parent)
    : QLabel(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    Q_UNUSED(installed)
}

void ValueLabel::setValue(const QString& value, const QString& shown)
{
    const QString oldValue = m_value;
    m_value = value;
    setText(shown.isEmpty() ? value : shown);
    if (oldValue == value || !QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent update(this, 0, oldValue, value);
    QAccessible::updateAccessibility(&update);
    if (accessibleName().isEmpty()) {
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

} // namespace suite
