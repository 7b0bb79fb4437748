#include "calculator/NumberText.h"

#include "fakes/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using suite::calc::displayValue;
using suite::calc::numberText;

TEST(DisplayValue, ReadsGermanNotationAsTheDisplayShowsIt)
{
    EXPECT_EQ(displayValue("0,"), 0.0);
    EXPECT_EQ(displayValue("12,"), 12.0);
    EXPECT_EQ(displayValue("05,"), 5.0);
    EXPECT_EQ(displayValue("53,2"), 53.2);
    EXPECT_EQ(displayValue("-3,25"), -3.25);
    EXPECT_EQ(displayValue("-0,"), 0.0);
    EXPECT_FALSE(std::signbit(displayValue("-0,")));
    EXPECT_EQ(displayValue("1,5E+20"), 1.5e20);
    EXPECT_EQ(displayValue("1E-07"), 1e-7);
}

TEST(DisplayValue, TextsThatAreNoNumberReadAsZero)
{
    EXPECT_EQ(displayValue("-"), 0.0);
    EXPECT_EQ(displayValue(""), 0.0);
    EXPECT_EQ(displayValue(","), 0.0);
    EXPECT_EQ(displayValue("1,2,3"), 0.0);
    EXPECT_EQ(displayValue("12a"), 0.0);
    EXPECT_EQ(displayValue("1E"), 0.0);
}

TEST(DisplayValue, TenThousandDigitsGiveAnInfiniteValueInsteadOfACrash)
{
    const QString huge = QString(10000, QLatin1Char('9')) + QLatin1Char(',');
    EXPECT_TRUE(std::isinf(displayValue(huge)));
    EXPECT_EQ(displayValue(QStringLiteral("0,") + QString(10000, QLatin1Char('0')) + "1"), 0.0);
}

TEST(NumberText, WritesGermanNotationWithoutTrailingZeros)
{
    EXPECT_EQ(numberText(12), "12");
    EXPECT_EQ(numberText(0.5), "0,5");
    EXPECT_EQ(numberText(-3.25), "-3,25");
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(1.0 / 3.0), "0,333333333333333");
    EXPECT_EQ(numberText(2.0 / 3.0), "0,666666666666667");
    EXPECT_EQ(numberText(0.1 + 0.2), "0,3");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
}

TEST(NumberText, SwitchesToExponentFormOutsideFifteenDigits)
{
    EXPECT_EQ(numberText(1.5e20), "1,5E+20");
    EXPECT_EQ(numberText(1e-7), "1E-07");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(999999999999999.9), "1E+15");
    EXPECT_EQ(numberText(0.00001), "0,00001");
    EXPECT_EQ(numberText(0.0000099), "9,9E-06");
    EXPECT_EQ(numberText(-2.5e-300), "-2,5E-300");
    EXPECT_EQ(numberText(std::numeric_limits<double>::max()), "1,79769313486232E+308");
}

TEST(NumberText, NonFiniteValuesHaveNoText)
{
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), "");
    EXPECT_EQ(numberText(std::nan("")), "");
}

TEST(NumberText, EveryDoubleRoundTripsAtFifteenDigits)
{
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> exponent(-320, 307);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        if (!std::isfinite(value))
            continue;
        const QString text = numberText(value);
        const double back = displayValue(text);
        // the text holds the value to 15 significant digits, and writing it again is stable
        EXPECT_EQ(numberText(back), text) << qPrintable(text);
        if (value != 0.0 && std::fabs(value) > 1e-300) {
            EXPECT_LE(std::fabs(back - value) / std::fabs(value), 1e-14) << qPrintable(text);
        }
    }
}
