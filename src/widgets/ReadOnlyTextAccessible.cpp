#include "widgets/ReadOnlyTextAccessible.h"

#include <algorithm>

namespace suite {

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

QAccessible::State ReadOnlyTextAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReadOnlyTextAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const auto [start, length] = marked();
    const bool any = selectionIndex == 0 && length > 0;
    *startOffset = any ? start : 0;
    *endOffset = any ? start + length : 0;
}

int ReadOnlyTextAccessible::selectionCount() const
{
    return marked().second > 0 ? 1 : 0;
}

int ReadOnlyTextAccessible::cursorPosition() const
{
    return marked().first;
}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const
{
    const QString whole = wholeText();
    const int size = static_cast<int>(whole.size());
    startOffset = std::clamp(startOffset, 0, size);
    endOffset = endOffset < 0 ? size : std::clamp(endOffset, startOffset, size);
    return whole.mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const
{
    return static_cast<int>(wholeText().size());
}

QString ReadOnlyTextAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace suite
