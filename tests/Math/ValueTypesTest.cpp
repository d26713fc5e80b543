// Vector2D, Vector3 and the colour types.
#include <gtest/gtest.h>

#include <cmath>

#include "Core/Math/Colour.h"
#include "Core/Math/Vector2D.h"
#include "Core/Math/Vector3.h"

using namespace KiteFramework;

TEST(Vector2D, IndexAndOperators)
{
    Vector2D v(3, 4);
    EXPECT_EQ(v[1], 4.0f);
    EXPECT_EQ(v[0], 3.0f);
    EXPECT_EQ(v[5], 3.0f);
    v[7] = 9;
    EXPECT_EQ(v.x, 9.0f);

    EXPECT_EQ(Vector2D(1, 2) / Vector2D(2, 4), Vector2D(0.5f, 0.5f));
    EXPECT_EQ(2.0f * Vector2D(1, 2), Vector2D(2, 4));
    EXPECT_EQ(-Vector2D(1, -2), Vector2D(-1, 2));
    EXPECT_FLOAT_EQ(Vector2DDistance(Vector2D(1, 1), Vector2D(4, 5)), 5.0f);
    EXPECT_FLOAT_EQ(Vector2DCrossProductMag(Vector2D(1, 0), Vector2D(0, 1)), 1.0f);

    Vector2D n;
    Vector2DNormalize(n, Vector2D(0, -2));
    EXPECT_EQ(n, Vector2D(0, -1));
}

TEST(Vector3, Arithmetic)
{
    Vector3 a(1, 2, 3), b(4, 5, 6);
    EXPECT_EQ(a + b, Vector3(5, 7, 9));
    EXPECT_EQ(b - a, Vector3(3, 3, 3));
    EXPECT_EQ(a * b, Vector3(4, 10, 18));
    EXPECT_EQ(b / Vector3(2, 5, 3), Vector3(2, 1, 2));
    EXPECT_EQ(a * 2.0f, Vector3(2, 4, 6));
    EXPECT_EQ(2.0f * a, Vector3(2, 4, 6));
    EXPECT_EQ(a - 1.0f, Vector3(0, 1, 2));
    EXPECT_EQ(-a, Vector3(-1, -2, -3));

    Vector3 c = a;
    c += b;
    c -= Vector3(1, 1, 1);
    c *= 2.0f;
    c /= Vector3(2, 2, 2);
    EXPECT_EQ(c, Vector3(4, 6, 8));

    EXPECT_EQ(a[0], 1.0f);
    EXPECT_EQ(a[1], 2.0f);
    EXPECT_EQ(a[2], 3.0f);
    EXPECT_EQ(a[-1], 3.0f);
    EXPECT_EQ(Vector3(), Vector3(0, 0, 0));
    EXPECT_NE(a, Vector3(1, 2, 4));
}

TEST(Vector3, ProductsIgnoreTheUnusedLane)
{
    Vector3 a(1, 2, 3), b(4, 5, 6);
    EXPECT_FLOAT_EQ(a.DotProduct(b), 32.0f);
    // (2*6 - 3*5, 3*4 - 1*6, 1*5 - 2*4)
    EXPECT_EQ(a.CrossProduct(b), Vector3(-3, 6, -3));
    EXPECT_EQ(Vector3(1, 0, 0).CrossProduct(Vector3(0, 1, 0)), Vector3(0, 0, 1));

    // A division leaves 0/0 in the unused lane; results must not see it.
    Vector3 d = a / Vector3(1, 1, 1);
    EXPECT_EQ(d, a);
    EXPECT_FLOAT_EQ(d.DotProduct(d), 14.0f);
    EXPECT_FLOAT_EQ(d.Length(), std::sqrt(14.0f));
    Vector3 n = Vector3(0, 3, 4).Normalize();
    EXPECT_FLOAT_EQ(n.y, 0.6f);
    EXPECT_FLOAT_EQ(n.z, 0.8f);
    EXPECT_FLOAT_EQ(n.Length(), 1.0f);
}

TEST(Colour, Constructors)
{
    Colour zero;
    EXPECT_EQ(zero.a, 0.0f);
    Colour base(0.1f, 0.2f, 0.3f, 0.4f);
    Colour alpha(base, 1.0f);
    EXPECT_EQ(alpha.r, 0.1f);
    EXPECT_EQ(alpha.b, 0.3f);
    EXPECT_EQ(alpha.a, 1.0f);
    Colour red(base, 0.5f, 0.6f, 0.7f);
    EXPECT_EQ(red.r, 0.1f);
    EXPECT_EQ(red.g, 0.5f);
    EXPECT_EQ(red.a, 0.7f);

    Color c;
    EXPECT_EQ(c.r + c.g + c.b + c.a, 0.0f);
    c.SetColor(0.33f, 0.33f, 0.33f, 0);
    EXPECT_EQ(c.g, 0.33f);
}
