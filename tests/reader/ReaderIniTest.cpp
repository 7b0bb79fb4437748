// The settings file's numbers, read the way they always were converted.
#include "reader/AgentIni.h"

#include <gtest/gtest.h>

using suite::reader::AgentIni;

TEST(readerIni, WholeNumbersAllowBlanksSignsAndRoundedFractionsOnly)
{
    EXPECT_EQ(AgentIni::wholeNumber("150"), 150);
    EXPECT_EQ(AgentIni::wholeNumber(" 75 "), 75);
    EXPECT_EQ(AgentIni::wholeNumber("+1"), 1);
    EXPECT_EQ(AgentIni::wholeNumber("-3"), -3);
    EXPECT_EQ(AgentIni::wholeNumber("1.5"), 2);
    EXPECT_EQ(AgentIni::wholeNumber("2,5"), 2) << "half to even";
    EXPECT_EQ(AgentIni::wholeNumber(".9"), 1);
    for (const char* bad : { "", " ", "abc", "1abc", "1 2", "0x10", "1e3", "--1", "32768",
             "99999999999999999999999999999999999999999999999999" })
        EXPECT_FALSE(AgentIni::wholeNumber(bad).has_value()) << bad;
}
