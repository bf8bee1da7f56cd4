#include "ui/widgets/FormatHighResValue256.h"

#include <gtest/gtest.h>

#include <climits>

TEST (FormatHighResValue256, FixedPointToTwoDecimals)
{
    const struct
    {
        int value;
        const char* text;
    } cases[] = {
        { 0, "0.00" },       { 384, "1.50" },      { -6144, "-24.00" }, { 2, "0.01" },
        { -2, "-0.01" },     { 7, "0.01" },        { 8, "0.03" },       { 255, "0.99" },
        { 256, "1.00" },     { 257, "1.00" },      { 32512, "127.00" }, { 1408, "5.50" },
        { 1280, "5.00" },    { -1, "-0.01" },      { 25600, "100.00" },
        { INT_MIN, "-8388608.00" },
    };
    for (const auto& c : cases)
        EXPECT_EQ (formatHighResValue256 (c.value), juce::String (c.text)) << c.value;
}
