#include "calculator/Calculator.h"
#include "fakes/FakeMessageBoxes.h"
#include "fakes/FakeSynthesizer.h"
#include "fakes/QtPrinters.h"
#include "widgets/FittingLabel.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

using suite::calc::Calculator;
using suite::test::FakeMessageBoxes;
using suite::test::FakeSynthesizer;

namespace {

class CalculatorWindow : public ::testing::Test {
protected:
    CalculatorWindow()
        : mouth(new QWidget)
        , window(synth, mouth, boxes)
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QString readout() const { return window.findChild<QLabel*>("Readout")->text(); }
    void click(const char* name)
    {
        auto* key = window.findChild<QPushButton*>(name);
        ASSERT_NE(key, nullptr) << name;
        QTest::mouseClick(key, Qt::LeftButton);
    }

    FakeSynthesizer synth;
    FakeMessageBoxes boxes;
    QWidget* mouth;
    Calculator window;
};

} // namespace

TEST_F(CalculatorWindow, HasEveryKeyWithItsNameCaptionAndAccessibleName)
{
    EXPECT_EQ(window.windowTitle(), "Sprechender Rechner");
    const QList<std::pair<QString, QString>> keys = { { "Number0", "0" }, { "Number7", "7" },
        { "Operator0", "/" }, { "Operator2", "X" }, { "Operator4", "=" }, { "Decimal", "," },
        { "Percent", "%" }, { "Cancel", "C" }, { "CancelEntry", "CE" }, { "Command1", "Repeat" },
        { "Command2", "sqr" }, { "Command3", "ein" }, { "Command4", "MR" }, { "Command5", "M+" },
        { "Command6", "M-" }, { "Command7", "MC" }, { "Command8", "+/-" }, { "Command9", "e/a" } };
    for (const auto& [name, caption] : keys) {
        auto* key = window.findChild<QPushButton*>(name);
        ASSERT_NE(key, nullptr) << qPrintable(name);
        EXPECT_EQ(key->text(), caption);
        EXPECT_FALSE(key->accessibleName().isEmpty()) << qPrintable(name);
    }
    EXPECT_EQ(
        window.findChild<QPushButton*>("Command1")->toolTip(), "Wiederholt die angezeigte Zahl");
    EXPECT_EQ(window.findChild<QPushButton*>("Command9")->toolTip(),
        "Umschaltung Mund anzeigen/ausblenden");
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), "Sprachausgabe:");
    EXPECT_EQ(readout(), "0,");
}

TEST_F(CalculatorWindow, KeysLieOnTheirGridAndTheMouthInItsCell)
{
    const auto* seven = window.findChild<QPushButton*>("Number7");
    const auto* eight = window.findChild<QPushButton*>("Number8");
    const auto* zero = window.findChild<QPushButton*>("Number0");
    const auto* equals = window.findChild<QPushButton*>("Operator4");
    EXPECT_EQ(seven->y(), eight->y());
    EXPECT_LT(seven->x(), eight->x());
    EXPECT_EQ(zero->x(), eight->x());
    EXPECT_GT(zero->y(), eight->y());
    EXPECT_GT(equals->width(), 2 * seven->width() - 4);
    EXPECT_EQ(mouth->parentWidget()->objectName(), "Picture1");
    EXPECT_TRUE(mouth->isVisible());
}

TEST_F(CalculatorWindow, ClicksDriveTheDisplayAndSpeech)
{
    click("Number1");
    click("Number2");
    click("Operator1");
    click("Number3");
    click("Operator4");
    EXPECT_EQ(readout(), "15");
    EXPECT_EQ(synth.spoken().last(), " Ist gleich 15");
    click("Command5");
    EXPECT_EQ(window.findChild<QLabel*>("Label3")->text(), "M");
    click("Command3");
    EXPECT_EQ(window.findChild<QPushButton*>("Command3")->text(), "aus");
}

TEST_F(CalculatorWindow, TheKeyboardPressesTheMatchingKeys)
{
    QTest::keyClicks(&window, "12.5*2");
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_EQ(readout(), "25");
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(readout(), "0,");
    QTest::keyClicks(&window, "7x3=");
    EXPECT_EQ(readout(), "21");
    QTest::keyClicks(&window, "200+10%");
    EXPECT_EQ(readout(), "20");
    QTest::keyClicks(&window, "9/3");
    QTest::keyClick(&window, Qt::Key_Delete);
    EXPECT_EQ(readout(), "0,");
    // CE dropped only the 3: the 4 becomes the divisor
    QTest::keyClicks(&window, "4=");
    EXPECT_EQ(readout(), "2,25");
}

TEST_F(CalculatorWindow, DivisionByZeroShowsTheWarningBox)
{
    QTest::keyClicks(&window, "7/0=");
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.boxes()[0].text, "Division durch Null ist nicht möglich");
    EXPECT_EQ(boxes.boxes()[0].title, "Rechner");
    EXPECT_EQ(boxes.boxes()[0].icon, suite::MessageBoxes::Icon::Warning);
    EXPECT_EQ(boxes.boxes()[0].parent, &window);
    EXPECT_EQ(readout(), "7,");
}

TEST_F(CalculatorWindow, ClearAllPutsTheWindowBackAtItsStartPosition)
{
    const QPoint start = window.pos();
    window.move(start + QPoint(37, 55));
    QTest::keyClicks(&window, "5+");
    EXPECT_NE(window.pos(), start);
    click("Cancel");
    EXPECT_EQ(window.pos(), start);
}

namespace {

// The columns of an image in which the display's green (0,255,0) shows, as [first, last];
// {-1, -1} when none does.
std::pair<int, int> greenColumns(const QImage& image)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > 160 && c.red() < 100 && c.blue() < 100) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    return { first, last };
}

} // namespace

// What is drawn, not only the label's text: the whole number within the display, and the
// memory mark beside it.
TEST_F(CalculatorWindow, TheDisplayDrawsTheWholeNumberAndTheMemoryMarkShows)
{
    auto* display = window.findChild<suite::FittingLabel*>("Readout");
    ASSERT_NE(display, nullptr);
    const QList<std::pair<const char*, QString>> cases = {
        { "1/3=", "0,333333333333333" },
        { "1_*123456789012345=", "-123456789012345" },
        { "1_*12345678901234567=", "-1,23456789012346E+16" },
        { "7", "7," },
    };
    for (const auto& [keys, shown] : cases) {
        click("Cancel");
        for (const char* k = keys; *k; ++k) {
            if (*k == '_')
                click("Command8"); // +/-
            else
                QTest::keyClicks(&window, QString(QLatin1Char(*k)));
        }
        EXPECT_EQ(readout(), shown) << keys;
        EXPECT_EQ(display->shownText(), shown) << keys;
        const auto [first, last] = greenColumns(display->grab().toImage());
        EXPECT_GT(first, 0) << keys << ": the front is cut off";
        EXPECT_LT(last, display->width() - 1) << keys << ": the end is cut off";
    }
    EXPECT_EQ(display->shownFont().pointSize(), 36) << "a short number keeps the full size";

    // The mark's strip: Label3 to the right of the display.
    auto* mark = window.findChild<QLabel*>("Label3");
    const QRect strip(display->geometry().right() + 1, mark->y(),
        mark->geometry().right() - display->geometry().right(), mark->height());
    ASSERT_GT(strip.width(), 4);
    const auto markShown = [&] { return greenColumns(window.grab(strip).toImage()).first >= 0; };
    EXPECT_FALSE(markShown());
    click("Command5"); // M+
    EXPECT_EQ(mark->text(), "M");
    EXPECT_TRUE(markShown());
    click("Command7"); // MC
    EXPECT_FALSE(markShown());
}

TEST_F(CalculatorWindow, TheMouthSwitchTogglesTheSynthesizer)
{
    click("Command9");
    EXPECT_FALSE(synth.IsVisible());
    click("Command9");
    EXPECT_TRUE(synth.IsVisible());
}
