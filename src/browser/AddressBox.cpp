#include "browser/AddressBox.h"

#include <QTimer>

namespace suite::browser {

AddressBox::AddressBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    // The typed text is navigated to exactly as typed: no completion, nothing inserted.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this] {
        if (!m_listClosing)
            return;
        m_listClosing = false;
        emit chosenFromList();
    });
}

void AddressBox::hidePopup()
{
    m_listClosing = true;
    QComboBox::hidePopup();
    // Closed without a pick (Escape, a click elsewhere): nothing was chosen.
    QTimer::singleShot(0, this, [this] { m_listClosing = false; });
}

} // namespace suite::browser
