#include "widgets/MessageBoxesDialog.h"

#include "fakes/FakeMessageBoxes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace suite;
using Answer = MessageBoxes::Answer;
using Buttons = MessageBoxes::Buttons;
using Icon = MessageBoxes::Icon;

namespace {

// Shows a real box and lets `act` look at it and close it.
Answer showReal(const QString& text, const QString& title, Icon icon, Buttons buttons,
    std::function<void(QMessageBox*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(box);
    });
    MessageBoxesDialog boxes;
    return boxes.show(nullptr, text, title, icon, buttons);
}

} // namespace

TEST(MessageBoxesDialog, ShowsTextTitleIconAndButtonsAndReturnsTheClickedOne)
{
    QMessageBox::StandardButtons shown;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const Answer answer = showReal(QStringLiteral("Alarm aktiv ! Programm trotzdem beenden ?"),
        QStringLiteral("Die Tockwerk-Info"), Icon::Question, Buttons::YesNo, [&](QMessageBox* box) {
            shown = box->standardButtons();
            title = box->windowTitle();
            icon = box->icon();
            box->button(QMessageBox::No)->click();
        });
    EXPECT_EQ(answer, Answer::No);
    EXPECT_EQ(shown, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(title, QStringLiteral("Die Tockwerk-Info"));
    EXPECT_EQ(icon, QMessageBox::Question);

    EXPECT_EQ(showReal(QStringLiteral("?"), QStringLiteral("t"), Icon::Question, Buttons::YesNo,
                  [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }),
        Answer::Yes);
}

TEST(MessageBoxesDialog, EmptyTitleIsTheProgramsDefaultTitle)
{
    const QString before = QGuiApplication::applicationDisplayName();
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Rechner"));
    QString title;
    showReal(QStringLiteral("Error: Wurzel aus Zahl<0"), QString(), Icon::None, Buttons::Ok,
        [&](QMessageBox* box) {
            title = box->windowTitle();
            EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
            box->button(QMessageBox::Ok)->click();
        });
    QGuiApplication::setApplicationDisplayName(before);
    EXPECT_EQ(title, QStringLiteral("Rechner"));
}

TEST(MessageBoxesDialog, EscapeAnswersTheCautiousButton)
{
    const auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
    EXPECT_EQ(
        showReal(QStringLiteral("a"), {}, Icon::Question, Buttons::YesNo, escape), Answer::No);
    EXPECT_EQ(showReal(QStringLiteral("a"), {}, Icon::Warning, Buttons::OkCancel, escape),
        Answer::Cancel);
    EXPECT_EQ(showReal(QStringLiteral("a"), {}, Icon::Critical, Buttons::Ok, escape), Answer::Ok);
}

TEST(MessageBoxesDialog, TextIsPlainWithOneBreakPerWrittenLineBreak)
{
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    showReal(QStringLiteral("<b>Zeile 1</b>\n\r\n\rZeile 3\r\nZeile 4\rZeile 5"),
        QStringLiteral("t"), Icon::Information, Buttons::Ok, [&](QMessageBox* box) {
            shown = box->text();
            format = box->textFormat();
            box->button(QMessageBox::Ok)->click();
        });
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, QStringLiteral("<b>Zeile 1</b>\n\nZeile 3\nZeile 4\nZeile 5"));
}

TEST(FakeMessageBoxes, RecordsEveryBoxAndAnswersInOrderThenOk)
{
    test::FakeMessageBoxes boxes;
    boxes.queueAnswer(Answer::No);
    QWidget parent;
    EXPECT_EQ(boxes.show(&parent, QStringLiteral("Frage ?"), QStringLiteral("Titel"),
                  Icon::Question, Buttons::YesNo),
        Answer::No);
    EXPECT_EQ(boxes.show(nullptr, QStringLiteral("Info"), QString(), Icon::None, Buttons::Ok),
        Answer::Ok);
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes()[0].parent, &parent);
    EXPECT_EQ(boxes.boxes()[0].text, QStringLiteral("Frage ?"));
    EXPECT_EQ(boxes.boxes()[0].icon, Icon::Question);
    EXPECT_EQ(boxes.boxes()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(boxes.boxes()[1].title, QString());
}
