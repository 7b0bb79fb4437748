#pragma once

#include <QAccessibleWidget>

namespace suite {

// The accessibility view of a widget that shows text a user reads but does not edit (a
// display, a word balloon): the text through the text interface, and a marked range (the
// word being heard) as its selection with the cursor at its start, so that a braille display
// or a magnifier can follow it.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role);

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override;
    void setCursorPosition(int) override { }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    using QAccessibleWidget::text;

protected:
    virtual QString wholeText() const = 0;
    // The marked range as start and length; length 0 when nothing is marked.
    virtual std::pair<int, int> marked() const { return { 0, 0 }; }
};

} // namespace suite
