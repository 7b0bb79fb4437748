#include "browser/frmAbout.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using suite::browser::frmAbout;
using suite::test::FakeMessageBoxes;

TEST(AboutWindow, CreditsHaveTheirFifteenLines)
{
    const QStringList lines = frmAbout::creditsText().split("\r\n");
    ASSERT_EQ(lines.size(), 16); // every line ends with CR LF
    EXPECT_EQ(lines.at(0), "Sprechender Internet Browser");
    EXPECT_EQ(lines.at(2), "- Spricht den Textinhalt einer HTML-Seite -");
    EXPECT_EQ(lines.at(4), "- Spricht markierten Text einer HTML-Seite -");
    EXPECT_EQ(lines.at(6), QString(33, u'_'));
    EXPECT_TRUE(lines.at(8).startsWith("- ") && lines.at(8).endsWith(" -"));
    EXPECT_EQ(lines.at(13), " *  *  *  ");
}

TEST(AboutWindow, TheTextComesUpFromBelowOnATimerAndExitCloses)
{
    FakeMessageBoxes boxes;
    QPointer<frmAbout> about = new frmAbout(boxes);
    about->show();
    ASSERT_TRUE(about->scroll().has_value());
    const int start = about->scroll()->top();
    EXPECT_EQ(start, about->findChild<QWidget*>("picScroll")->height()); // first frame empty
    QTRY_VERIFY_WITH_TIMEOUT(about->scroll()->top() < start - 1, 5000);

    QLabel* exit = about->exitLabel();
    EXPECT_EQ(exit->text(), " EXIT ");
    ASSERT_NE(about->findChild<QWidget*>("Shape1"), nullptr);
    ASSERT_NE(about->findChild<QWidget*>("Shape2"), nullptr);
    EXPECT_TRUE(about->findChild<QWidget*>("Shape1")->geometry().contains(
        about->findChild<QWidget*>("Shape2")->geometry()));
    QTest::mouseMove(about, QPoint(5, 5));
    EXPECT_EQ(exit->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
    QTest::mouseMove(exit, QPoint(2, 2));
    EXPECT_EQ(exit->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x00));

    QTest::mouseClick(exit, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(about.isNull(), 5000);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST(AboutWindow, EscapeClosesItToo)
{
    FakeMessageBoxes boxes;
    QPointer<frmAbout> about = new frmAbout(boxes);
    about->show();
    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(about.isNull(), 5000);
}
