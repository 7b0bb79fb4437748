#include "browser/ExplorerLayout.h"

#include <gtest/gtest.h>

using suite::browser::ExplorerLayout;

TEST(ExplorerLayout, FollowsTheClientAreaAndTheOuterWidth)
{
    // A frame of 8 pixels a side.
    const ExplorerLayout layout = ExplorerLayout::compute(13740, 5355, 13980);
    EXPECT_EQ(layout.addressWidth, 13740 - 150 - 615 - 635);
    EXPECT_EQ(layout.pageWidth, 13720);
    EXPECT_EQ(layout.pageHeight, 5355 - (375 + 300 + 525) - 100);
    EXPECT_EQ(layout.goLeft, 13980 - 615 - 200);
}

TEST(ExplorerLayout, GoNeverLiesOverTheAddressBox)
{
    // Maximized without a frame, with a thin frame, and with the frame of the design.
    for (const int frame : { 0, 30, 120 }) {
        const ExplorerLayout layout = ExplorerLayout::compute(19200, 14000, 19200 + frame);
        EXPECT_LE(ExplorerLayout::addressLeft + layout.addressWidth, layout.goLeft - 45) << frame;
        EXPECT_EQ(layout.goLeft, 19200 + frame - 615 - 200) << frame;
        EXPECT_GT(layout.addressWidth, 19200 - 150 - 615 - 635 - 200) << frame;
    }
}

TEST(ExplorerLayout, AWindowSmallerThanItsBarsGetsNoNegativeSize)
{
    const ExplorerLayout layout = ExplorerLayout::compute(300, 400, 300);
    EXPECT_EQ(layout.addressWidth, 0);
    EXPECT_EQ(layout.pageWidth, 280);
    EXPECT_EQ(layout.pageHeight, 0);
    EXPECT_EQ(layout.goLeft, 0);
    const ExplorerLayout none = ExplorerLayout::compute(0, 0, 0);
    EXPECT_EQ(none.pageWidth, 0);
}
