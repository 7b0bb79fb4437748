#include "core/Twips.h"

#include <gtest/gtest.h>

namespace twips = suite::twips;

TEST(Twips, ConvertAtTheScreensLogicalDpi)
{
    EXPECT_DOUBLE_EQ(twips::perPixel(96), 15.0);
    EXPECT_DOUBLE_EQ(twips::perPixel(120), 12.0);
    // The reader's client area, 7770 x 6960 twips.
    EXPECT_EQ(twips::toPixels(7770, 96), 518);
    EXPECT_EQ(twips::toPixels(6960, 96), 464);
    EXPECT_EQ(twips::toPixels(6960, 144), 696);
    EXPECT_EQ(twips::fromPixels(518, 96), 7770);
    EXPECT_EQ(twips::toPixels(7, 96), 0);
    EXPECT_EQ(twips::toPixels(8, 96), 1) << "rounded, not cut";
    EXPECT_EQ(twips::toPixels(-120, 96), -8);
}
