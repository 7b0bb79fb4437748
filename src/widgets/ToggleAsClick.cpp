#include "widgets/ToggleAsClick.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QRadioButton>

namespace suite {
namespace {

// "&Laut" reads "Laut"; "&&" is a written ampersand.
QString withoutMnemonic(const QString& text)
{
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

class ToggleAsClickAccessible : public QAccessibleWidget {
public:
    ToggleAsClickAccessible(QAbstractButton* button, QAccessible::Role role)
        : QAccessibleWidget(button, role)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        const auto* box = qobject_cast<const QCheckBox*>(button());
        if (box && box->checkState() == Qt::PartiallyChecked)
            s.checkStateMixed = true;
        else
            s.checked = button()->isChecked();
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        QString result = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && result.isEmpty())
            result = withoutMnemonic(button()->text());
        return result;
    }

    QStringList actionNames() const override
    {
        QStringList names;
        if (button()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != toggleAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        if (button()->isEnabled())
            button()->click();
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == toggleAction() && !button()->shortcut().isEmpty())
            return { button()->shortcut().toString(QKeySequence::NativeText) };
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* makeToggleAsClick(const QString& className, QObject* object)
{
    if (className == QLatin1String("QCheckBox"))
        return new ToggleAsClickAccessible(static_cast<QCheckBox*>(object), QAccessible::CheckBox);
    if (className == QLatin1String("QRadioButton"))
        return new ToggleAsClickAccessible(
            static_cast<QRadioButton*>(object), QAccessible::RadioButton);
    return nullptr;
}

} // namespace

void installToggleAsClick()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeToggleAsClick);
        return true;
    }();
    (void)installed;
}

} // namespace suite
