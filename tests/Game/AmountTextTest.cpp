// Amounts as the HUD shows them: whole numbers, and large ones shortened so
// that they stay inside their small boxes.
#include <gtest/gtest.h>

#include <limits>

#include "Economy/AmountText.h"

using namespace KiteFramework;

TEST(ShortAmountText, SmallAmountsAreWholeAndLargeOnesShortenedRoundingDown)
{
    EXPECT_EQ(ShortAmountText(0.0f), "0");
    EXPECT_EQ(ShortAmountText(1049.9f), "1049");
    EXPECT_EQ(ShortAmountText(-50.7f), "-50");
    EXPECT_EQ(ShortAmountText(99999.0f), "99999");
    EXPECT_EQ(ShortAmountText(100000.0f), "100K");
    EXPECT_EQ(ShortAmountText(1999999.0f), "1.9M");
    EXPECT_EQ(ShortAmountText(-2500000.0f), "-2.5M");
    EXPECT_EQ(ShortAmountText(45.5e9f), "45B");
    EXPECT_EQ(ShortAmountText(1e30f), "999T+");
    EXPECT_EQ(ShortAmountText(-std::numeric_limits<float>::infinity()), "-999T+");
    EXPECT_EQ(ShortAmountText(std::numeric_limits<float>::quiet_NaN()), "0");
    // Never longer than the box's six characters.
    for (float v = 1.0f; v < 1e38f; v *= 3.7f)
    {
        EXPECT_LE(ShortAmountText(v).size(), 6u) << v;
        EXPECT_LE(ShortAmountText(-v).size(), 6u) << -v;
    }
}
