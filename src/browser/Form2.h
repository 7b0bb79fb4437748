#pragma once

#include <QWidget>

#include <functional>

class QListWidget;
class QPushButton;

namespace suite {
class MessageBoxes;
}

namespace suite::browser {

// The favourites window "Favoriten": the addresses of favoriten.Dat in alphabetical order.
// A double-click opens one in the main browser window; a button removes the marked one and
// writes the file anew.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    using OpenAddress = std::function<void(const QString& address)>;

    Form2(QString favouritesPath, MessageBoxes& messageBoxes, OpenAddress openAddress,
        QWidget* parent = nullptr);

    // Reads the file into the list (an empty list, after a message, when there is none).
    void Form_Load();
    QStringList entries() const;

private:
    void List1_Click();
    void List1_DblClick();
    void Command1_Click();
    void Command2_Click();
    int px(int twips) const;

    QString m_path;
    MessageBoxes& m_messageBoxes;
    OpenAddress m_openAddress;
    QListWidget* m_list1 = nullptr;
    QPushButton* m_command2 = nullptr;
};

} // namespace suite::browser
