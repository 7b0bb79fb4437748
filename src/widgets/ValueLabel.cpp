#include "widgets/ValueLabel.h"

#include "widgets/ReadOnlyTextAccessible.h"

namespace suite {

namespace {

class ValueLabelAccessible final : public ReadOnlyTextAccessible {
public:
    explicit ValueLabelAccessible(ValueLabel* label)
        : ReadOnlyTextAccessible(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? wholeText() : name;
        }
        case QAccessible::Value:
            return wholeText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    using ReadOnlyTextAccessible::text;

protected:
    QString wholeText() const override { return static_cast<const ValueLabel*>(widget())->value(); }
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
