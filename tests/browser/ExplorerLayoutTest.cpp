#include "browser/ExplorerLayout.h"

#include <gtest/gtest.h>

using suite::browser::ExplorerLayout;

TEST(ExplorerLayout, FollowsTheClientAreaAndTheOuterWidth)
{
    const ExplorerLayout layout = ExplorerLayout::compute(13740, 5355, 13860);
    EXPECT_EQ(layout.addressWidth, 13740 - 150 - 615 - 635);
    EXPECT_EQ(layout.pageWidth, 13720);
    EXPECT_EQ(layout.pageHeight, 5355 - (375 + 300 + 525) - 100);
    EXPECT_EQ(layout.goLeft, 13860 - 615 - 200);
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
