// MyMath: angle wrapping, approach, conversions, projection, the seeded
// generator's exact sequence, and lower-case counting.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "Core/Math/MyMath.h"

using namespace KiteFramework;

TEST(MyMath, AnglesAndConversions)
{
    struct Case { double a, b, diff; };
    const Case cases[] = {
        {350, 10, 20}, {10, 350, -20}, {0, 180, 180}, {0, -180, -180}, {0, 540, 180},
        {0, 725, 5}, {-1000, 1000, -160}, {0, 1e18, -80},
    };
    for (const Case& c : cases)
    {
        double d = MyMath::angleDiff(c.a, c.b);
        EXPECT_NEAR(d, c.diff, 1e-9) << c.a << " " << c.b;
        EXPECT_LE(std::fabs(d), 180.0);
    }
    // Non-finite differences come back at once instead of looping forever.
    EXPECT_TRUE(std::isinf(MyMath::angleDiff(0, std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(MyMath::angleDiff(0, std::nan(""))));

    // Degrees are negated: a point straight up is -90 degrees.
    EXPECT_DOUBLE_EQ(MyMath::angle(0, 0, 0, 1), -90.0);
    EXPECT_DOUBLE_EQ(MyMath::angle(0, 0, 1, 0), 0.0);
    for (double r : {0.0, 0.5, -2.0, 3.14159})
        EXPECT_NEAR(MyMath::toRad(MyMath::toDeg(r)), r, 1e-12);
    EXPECT_DOUBLE_EQ(MyMath::distance(1, 1, 4, 5), 5.0);
    // The one value of pi, as close as a float holds it.
    EXPECT_EQ(MyMath::pi, static_cast<float>(std::acos(-1.0)));
}

TEST(MyMath, ScalarHelpers)
{
    EXPECT_EQ(MyMath::sign(0.0), 1.0);
    EXPECT_EQ(MyMath::sign(-0.5), -1.0);
    EXPECT_EQ(MyMath::approach(0, 10, 3), 3);
    EXPECT_EQ(MyMath::approach(9, 10, 3), 10);
    EXPECT_EQ(MyMath::approach(20, 10, 3), 17);
    EXPECT_EQ(MyMath::approach(11, 10, 3), 10);
    EXPECT_DOUBLE_EQ(MyMath::lerp(2, 4, 1.5), 5.0); // not clamped
    EXPECT_FLOAT_EQ(MyMath::lerpf(2, 4, -0.5f), 1.0f);

    // Vector and colour interpolation clamp t to [0, 1].
    Vector2D a(0, 10), b(10, 20);
    EXPECT_EQ(MyMath::Vec2Lerp(a, b, -1), a);
    EXPECT_EQ(MyMath::Vec2Lerp(a, b, 2), b);
    EXPECT_EQ(MyMath::Vec2Lerp(a, b, 0.5f), Vector2D(5, 15));
    Colour c = MyMath::colourLerp(Colour(0, 0, 0, 1), Colour(1, 0.5f, 0, 0), 0.5);
    EXPECT_FLOAT_EQ(c.r, 0.5f);
    EXPECT_FLOAT_EQ(c.g, 0.25f);
    EXPECT_FLOAT_EQ(c.a, 0.5f);
    EXPECT_FLOAT_EQ(MyMath::colourLerp(Colour(0, 0, 0, 1), Colour(1, 1, 1, 0), 7).r, 1.0f);
}

TEST(MyMath, VectorHelpers)
{
    EXPECT_EQ(MyMath::normalize(Vector2D(0, 0)), Vector2D(0, 0));
    Vector2D n = MyMath::normalize(Vector2D(3, -4));
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.y, -0.8f);
    EXPECT_FLOAT_EQ(MyMath::magnitude(Vector2D(3, 4)), 5.0f);
    // The factor scales a, not b.
    EXPECT_EQ(MyMath::project(Vector2D(2, 0), Vector2D(1, 1)), Vector2D(2, 0));
    EXPECT_FLOAT_EQ(MyMath::projectMagnitude(Vector2D(3, 4), Vector2D(0, 10)), 4.0f);
}

// The sequence from seed 0, including steps where the product wraps to a
// negative value (the remainder keeps that sign, the results take |.|).
TEST(MyMath, SeededGenerator)
{
    MyMath::setSeed(0);
    EXPECT_DOUBLE_EQ(MyMath::randF(), 1.0 / 2147483647.0);
    EXPECT_DOUBLE_EQ(MyMath::randF(), 33798 / 2147483647.0);
    EXPECT_DOUBLE_EQ(MyMath::randF(), 1142271007 / 2147483647.0);
    EXPECT_DOUBLE_EQ(MyMath::randF(), 2127800164 / 2147483647.0);

    MyMath::setSeed(0);
    const int expected[] = {0, 0, 53, 99, 77, 49, 15, 38, 27, 95, 27, 32};
    for (int e : expected)
        EXPECT_EQ(MyMath::randI(100), e);

    // Any seed, the results stay in [0, 1] and [0, n).
    MyMath::randomizeSeed();
    for (int i = 0; i < 1000; ++i)
    {
        double f = MyMath::randF();
        EXPECT_GE(f, 0.0);
        EXPECT_LE(f, 1.0);
        int r = MyMath::randI(10);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 10);
    }
}

TEST(MyMath, CountLower)
{
    static_assert(MyMath::countlower("aBc", 0, 0) == 2, "counted at compile time");
    EXPECT_EQ(MyMath::countlower("aBc", 1, 0), 1u);
    EXPECT_EQ(MyMath::countlower("aBc", 0, 5), 7u);
    EXPECT_EQ(MyMath::countlower("aBc", 9, 4), 4u);
    EXPECT_EQ(MyMath::countlower("", 0, 0), 0u);
    EXPECT_EQ(MyMath::countlower("z{`a", 0, 0), 2u);

    // Long texts are no problem for the stack.
    std::string longText(1 << 20, 'q');
    EXPECT_EQ(MyMath::countlower(StrCountBase(longText)), 1u << 20);

    constexpr StrCountBase text("xy");
    static_assert(text.size() == 2 && text[1] == 'y', "literal view");
    EXPECT_THROW(text[2], std::out_of_range);
}
