#include "browser/Form2.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using suite::MessageBoxes;
using suite::browser::Form2;
using suite::test::FakeMessageBoxes;

namespace {

class Favourites : public ::testing::Test {
protected:
    Favourites()
        : path(dir.filePath("favoriten.Dat"))
    {
    }

    void put(const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    Form2* open()
    {
        auto* form = new Form2(path, boxes, [this](const QString& address) { opened << address; });
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        windows.emplace_back(form);
        form->Form_Load();
        form->show();
        return form;
    }
    QListWidget* list(Form2* form) { return form->findChild<QListWidget*>("List1"); }
    QPushButton* removeButton(Form2* form) { return form->findChild<QPushButton*>("Command2"); }
    void select(Form2* form, const QString& text)
    {
        const auto items = list(form)->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(items.isEmpty()) << text.toStdString();
        list(form)->setCurrentItem(items.first());
    }

    QTemporaryDir dir;
    QString path;
    FakeMessageBoxes boxes;
    QStringList opened;
    std::vector<std::unique_ptr<Form2>> windows;
};

} // namespace

TEST_F(Favourites, WithoutAFileTheWindowSaysSoAndOpensEmpty)
{
    Form2* form = open();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "Es wurden noch keine Favoriten gespeichert !");
    EXPECT_EQ(boxes.boxes().first().title, "Tandu-Explorer Info");
    EXPECT_EQ(boxes.boxes().first().icon, MessageBoxes::Icon::Information);
    EXPECT_EQ(list(form)->count(), 0);
    EXPECT_EQ(form->windowTitle(), "Favoriten");
}

TEST_F(Favourites, TheListIsSortedAlphabeticallyAndNothingIsMarkedAtFirst)
{
    put("http://z/\r\nZeit.de\r\nhttp://a/\r\namazon.de\r\nhttp://z/\r\n");
    Form2* form = open();
    EXPECT_EQ(form->entries(),
        QStringList({ "amazon.de", "http://a/", "http://z/", "http://z/", "Zeit.de" }));
    EXPECT_TRUE(list(form)->selectedItems().isEmpty());
    EXPECT_FALSE(removeButton(form)->isEnabled());
    select(form, "http://a/");
    EXPECT_TRUE(removeButton(form)->isEnabled());
}

TEST_F(Favourites, ActivatingAnEntryOpensItInTheMainWindowAndHidesTheList)
{
    put("\r\nhttp://b/\r\n");
    Form2* form = open();
    QListWidget* entries = list(form);
    entries->setFocus();
    select(form, "");
    QTest::keyClick(entries, Qt::Key_Return);
    EXPECT_TRUE(opened.isEmpty()); // an empty line does nothing
    EXPECT_TRUE(form->isVisible());
    select(form, "http://b/");
    QTest::keyClick(entries, Qt::Key_Return);
    EXPECT_EQ(opened, QStringList({ "http://b/" }));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Favourites, NoLeavesTheFileByteForByte)
{
    const QByteArray original = "http://z/\r\n  http://a/\n\r\nhttp://m/";
    put(original);
    Form2* form = open();
    select(form, "http://z/");
    boxes.queueAnswer(MessageBoxes::Answer::No);
    QTest::mouseClick(removeButton(form), Qt::LeftButton);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes().first().text, "Markierten Favoriten jetzt entfernen ?");
    EXPECT_EQ(boxes.boxes().first().title, "Tandu-Browser Kontrollabfrage");
    EXPECT_EQ(boxes.boxes().first().buttons, MessageBoxes::Buttons::YesNo);
    EXPECT_EQ(bytes(), original);
    EXPECT_EQ(form->entries().size(), 4);
}

TEST_F(Favourites, RemovingRewritesTheFileSortedWithoutEmptyLines)
{
    put("http://z/\r\n  http://a/\n\r\nhttp://m/");
    Form2* form = open();
    select(form, "http://m/");
    boxes.queueAnswer(MessageBoxes::Answer::Yes);
    QTest::mouseClick(removeButton(form), Qt::LeftButton);
    EXPECT_EQ(bytes(), "http://a/\r\nhttp://z/\r\n");
    EXPECT_EQ(form->entries(), QStringList({ "http://a/", "http://z/" }));
    EXPECT_TRUE(list(form)->selectedItems().isEmpty());
}

TEST_F(Favourites, RemovingWithNothingMarkedAsksNothing)
{
    put("http://a/\r\n");
    Form2* form = open();
    removeButton(form)->setEnabled(true);
    QTest::mouseClick(removeButton(form), Qt::LeftButton);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(bytes(), "http://a/\r\n");
}
