#pragma once

#include <QComboBox>

namespace suite::browser {

// The editable address box with the visited addresses. It reports a choice only when the user
// picks an entry from the drop-down list: typing, leaving the box, Enter in its text and the
// arrow keys on the closed box choose nothing (the window handles Enter itself).
class AddressBox final : public QComboBox {
    Q_OBJECT
public:
    explicit AddressBox(QWidget* parent = nullptr);

    void hidePopup() override;

signals:
    void chosenFromList();

private:
    // Set while the drop-down list closes: a pick from the list closes it and is reported
    // right after, on the same call; every other activation comes without it.
    bool m_listClosing = false;
};

} // namespace suite::browser
