#include "widgets/ValueLabel.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <gtest/gtest.h>

namespace suite {
namespace {

// What a screen reader reads of a display that shortens a long number on screen.
TEST(ValueLabelTest, NamedDisplayOffersItsWholeValue)
{
    ValueLabel display;
    display.setAccessibleName(QStringLiteral("Anzeige"));
    display.setValue(QStringLiteral("1234567890,5"), QStringLiteral("…567890,5"));

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&display);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(display.text(), QStringLiteral("…567890,5"));
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Anzeige"));
    EXPECT_EQ(reader->text(QAccessible::Value), QStringLiteral("1234567890,5"));
    ASSERT_NE(reader->textInterface(), nullptr);
    EXPECT_EQ(reader->textInterface()->text(0, -1), QStringLiteral("1234567890,5"));
    EXPECT_EQ(reader->textInterface()->characterCount(), 12);
    EXPECT_EQ(reader->textInterface()->text(10, 99), QStringLiteral(",5"));
    EXPECT_EQ(reader->textInterface()->text(-3, 2), QStringLiteral("12"));
}

TEST(ValueLabelTest, UnnamedLabelIsNamedByItsCurrentValue)
{
    ValueLabel hours;
    hours.setValue(QStringLiteral("04"));
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&hours);
    ASSERT_NE(reader, nullptr);
    hours.setValue(QStringLiteral("05"));
    EXPECT_EQ(hours.text(), QStringLiteral("05"));
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("05"));
    EXPECT_EQ(reader->textInterface()->text(0, -1), QStringLiteral("05"));
}

} // namespace
} // namespace suite
