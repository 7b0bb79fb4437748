#include "browser/CreditsScroll.h"

#include <gtest/gtest.h>

using suite::browser::CreditsScroll;

TEST(CreditsScroll, StartsBelowTheBoxAndMovesUpOnePixelAFrame)
{
    CreditsScroll scroll(100, 40);
    EXPECT_EQ(scroll.top(), 100); // the first frame shows nothing
    EXPECT_EQ(scroll.bottom(), 140);
    scroll.step();
    EXPECT_EQ(scroll.top(), 99);
    EXPECT_EQ(scroll.bottom(), 139);
}

TEST(CreditsScroll, StartsAgainFromBelowOnceTheTextHasLeftAtTheTop)
{
    CreditsScroll scroll(100, 40);
    for (int i = 0; i < 140; ++i)
        scroll.step();
    EXPECT_EQ(scroll.top(), -40); // the last line just gone
    scroll.step();
    EXPECT_EQ(scroll.top(), 100);
    EXPECT_EQ(scroll.bottom(), 140);
}
