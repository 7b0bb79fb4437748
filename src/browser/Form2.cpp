#include "browser/Form2.h"

#include "browser/FavouritesFile.h"
#include "core/Twips.h"
#include "widgets/MessageBoxes.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace suite::browser {

Form2::Form2(
    QString favouritesPath, MessageBoxes& messageBoxes, OpenAddress openAddress, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_path(std::move(favouritesPath))
    , m_messageBoxes(messageBoxes)
    , m_openAddress(std::move(openAddress))
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Favoriten"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(7530), px(4200));

    auto* label = new QLabel(QStringLiteral("Mit DoppelClick einen Favoriten auswählen"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->move(px(480), px(120));
    label->adjustSize();

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setAccessibleName(QStringLiteral("Favoriten"));
    // Sorted by FavouritesFile in German order; the widget's own sort goes by character code.
    m_list1->setStyleSheet(QStringLiteral("QListWidget { background: #FFFFC0; color: blue; }"));
    m_list1->setGeometry(px(480), px(360), px(6615), px(3180));
    connect(m_list1, &QListWidget::itemClicked, this, &Form2::List1_Click);
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1_Click();
    });
    // A double-click, or Enter on the marked entry, opens it.
    connect(m_list1, &QListWidget::itemActivated, this, &Form2::List1_DblClick);

    auto* close = new QPushButton(QStringLiteral("<<"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setAccessibleName(QStringLiteral("Schließen"));
    close->setGeometry(px(480), px(3720), px(615), px(255));
    connect(close, &QPushButton::clicked, this, &Form2::Command1_Click);

    m_command2 = new QPushButton(QStringLiteral("Markierten Eintrag entfernen"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAccessibleName(QStringLiteral("Markierten Eintrag entfernen"));
    m_command2->setGeometry(px(4440), px(3720), px(2655), px(255));
    m_command2->setEnabled(false);
    connect(m_command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

int Form2::px(int twips) const
{
    return twips::toPixels(twips, logicalDpiX());
}

void Form2::Form_Load()
{
    m_list1->clear();
    m_command2->setEnabled(false);
    std::optional<QStringList> lines = FavouritesFile::load(m_path);
    if (!lines) {
        m_messageBoxes.show(this, QStringLiteral("Es wurden noch keine Favoriten gespeichert !"),
            QStringLiteral("Tandu-Explorer Info"), MessageBoxes::Icon::Information,
            MessageBoxes::Buttons::Ok);
        return;
    }
    FavouritesFile::sortAlphabetically(*lines);
    m_list1->addItems(*lines);
    m_list1->setCurrentRow(-1);
    m_list1->clearSelection();
}

QStringList Form2::entries() const
{
    QStringList texts;
    for (int i = 0; i < m_list1->count(); ++i)
        texts << m_list1->item(i)->text();
    return texts;
}

void Form2::List1_Click()
{
    m_command2->setEnabled(true);
}

void Form2::List1_DblClick()
{
    QListWidgetItem* item = m_list1->currentItem();
    if (!item || item->text().isEmpty())
        return;
    m_command2->setEnabled(true);
    m_openAddress(item->text());
    hide();
}

void Form2::Command1_Click()
{
    close();
}

void Form2::Command2_Click()
{
    QListWidgetItem* item = m_list1->currentItem();
    if (!item || !item->isSelected() || item->text().isEmpty()) {
        m_list1->setCurrentRow(-1);
        return;
    }
    const auto answer
        = m_messageBoxes.show(this, QStringLiteral("Markierten Favoriten jetzt entfernen ?"),
            QStringLiteral("Tandu-Browser Kontrollabfrage"), MessageBoxes::Icon::Question,
            MessageBoxes::Buttons::YesNo);
    if (answer != MessageBoxes::Answer::Yes) {
        m_list1->setCurrentRow(-1);
        return;
    }
    const Result written = FavouritesFile::remove(m_path, item->text());
    if (!written) {
        m_list1->setCurrentRow(-1);
        m_messageBoxes.show(
            this, written.error, QString(), MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    // The list shows what is on disk now, favourites added meanwhile included.
    Form_Load();
}

} // namespace suite::browser
