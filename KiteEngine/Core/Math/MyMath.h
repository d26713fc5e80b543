// MyMath: scalar helpers (interpolation, angles, distance, projection, sign,
// degree and radian conversion) and a small seeded generator.
#pragma once

#include <cstddef>

#include "Core/Math/Colour.h"
#include "Core/Math/StrCountBase.h"
#include "Core/Math/Vector2D.h"

namespace KiteFramework
{
    namespace MyMath
    {
        // Pi to float precision (the float nearest to acos(-1)).
        inline constexpr float pi = 3.14159265358979323846f;

        // (b - a) * t + a, not clamped.
        double lerp(double a, double b, double t);
        float lerpf(float a, float b, float t);
        // Clamped: a for t <= 0, b for t >= 1.
        Vector2D Vec2Lerp(const Vector2D& a, const Vector2D& b, float t);
        Colour colourLerp(const Colour& a, const Colour& b, double t);
        // Moves value towards target by step; lands on target when within step.
        double approach(double value, double target, double step);

        // Angles: radians from atan2; degrees are negated (clockwise on
        // screen is positive), so toRad(toDeg(r)) == r.
        double angleRad(double x1, double y1, double x2, double y2);
        double toDeg(double radians);
        double toRad(double degrees);
        double angle(double x1, double y1, double x2, double y2);
        // b - a brought into [-180, 180].
        double angleDiff(double a, double b);

        double distance(double x1, double y1, double x2, double y2);
        // -1 for negative values, 1 otherwise (zero included).
        double sign(double value);

        float dot(const Vector2D& a, const Vector2D& b);
        float magnitude(const Vector2D& v);
        // The zero vector stays zero.
        Vector2D normalize(const Vector2D& v);
        // a scaled by dot(a, b) / dot(b, b).
        Vector2D project(const Vector2D& a, const Vector2D& b);
        float projectMagnitude(const Vector2D& a, const Vector2D& b);

        // The generator: state = (state * 33797 + 1) mod 2147483647 in
        // wrapping signed 32-bit arithmetic, starting at 0.
        void setSeed(long seed);
        void randomizeSeed();
        // |state / 2147483647| after one step.
        double randF();
        // |whole part of state / 2147483647 * n| after one step.
        int randI(int n);

        // count plus the number of 'a'..'z' characters from index to the end.
        constexpr unsigned countlower(StrCountBase text, std::size_t index = 0, unsigned count = 0)
        {
            for (; index < text.size(); ++index)
                if (text[index] >= 'a' && text[index] <= 'z')
                    ++count;
            return count;
        }
    }
}

namespace MyMath = KiteFramework::MyMath;
