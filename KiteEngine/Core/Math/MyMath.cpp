// MyMath: the scalar helpers and the seeded generator.
#include "Core/Math/MyMath.h"

#include <cmath>
#include <cstdint>

#include "Core/Math/Random.h"

namespace KiteFramework
{
    namespace MyMath
    {
        namespace
        {
            std::int32_t state = 0;

            void Step()
            {
                // The product wraps in 32 bits; the remainder keeps the sign
                // of the wrapped value.
                std::uint32_t product = static_cast<std::uint32_t>(state) * 33797u + 1u;
                state = static_cast<std::int32_t>(product) % 2147483647;
            }
        }

        double lerp(double a, double b, double t) { return (b - a) * t + a; }
        float lerpf(float a, float b, float t) { return (b - a) * t + a; }

        Vector2D Vec2Lerp(const Vector2D& a, const Vector2D& b, float t)
        {
            if (t <= 0.0f)
                return a;
            if (t >= 1.0f)
                return b;
            return Vector2D((b.x - a.x) * t + a.x, (b.y - a.y) * t + a.y);
        }

        Colour colourLerp(const Colour& a, const Colour& b, double t)
        {
            if (t <= 0.0)
                return a;
            if (t >= 1.0)
                return b;
            return Colour(static_cast<float>(lerp(a.r, b.r, t)), static_cast<float>(lerp(a.g, b.g, t)),
                          static_cast<float>(lerp(a.b, b.b, t)), static_cast<float>(lerp(a.a, b.a, t)));
        }

        double approach(double value, double target, double step)
        {
            if (target - step > value)
                return value + step;
            if (value > target + step)
                return value - step;
            return target;
        }

        double angleRad(double x1, double y1, double x2, double y2) { return std::atan2(y2 - y1, x2 - x1); }
        double toDeg(double radians) { return radians * -57.29577951308232; }
        double toRad(double degrees) { return degrees * -0.017453292519943295; }
        double angle(double x1, double y1, double x2, double y2) { return toDeg(angleRad(x1, y1, x2, y2)); }

        double angleDiff(double a, double b)
        {
            double d = b - a;
            if (!std::isfinite(d))
                return d;
            // Reduce huge differences first so the wrapping below stays a
            // step or two instead of looping for ages.
            if (d > 720.0 || d < -720.0)
                d = std::fmod(d, 360.0);
            while (d > 180.0)
                d -= 360.0;
            while (d < -180.0)
                d += 360.0;
            return d;
        }

        double distance(double x1, double y1, double x2, double y2)
        {
            return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
        }

        double sign(double value) { return value < 0.0 ? -1.0 : 1.0; }

        float dot(const Vector2D& a, const Vector2D& b) { return a.x * b.x + a.y * b.y; }
        float magnitude(const Vector2D& v) { return std::sqrt(v.x * v.x + v.y * v.y); }

        Vector2D normalize(const Vector2D& v)
        {
            if (v.x == 0.0f && v.y == 0.0f)
                return v;
            return v / magnitude(v);
        }

        Vector2D project(const Vector2D& a, const Vector2D& b) { return a * (dot(a, b) / dot(b, b)); }
        float projectMagnitude(const Vector2D& a, const Vector2D& b) { return dot(a, normalize(b)); }

        void setSeed(long seed) { state = static_cast<std::int32_t>(static_cast<std::uint32_t>(seed)); }

        void randomizeSeed()
        {
            std::uint32_t product = static_cast<std::uint32_t>(GENRANDNUM::Rand()) * 2147483647u;
            state = static_cast<std::int32_t>(product);
        }

        double randF()
        {
            Step();
            return std::fabs(state / 2147483647.0);
        }

        int randI(int n)
        {
            Step();
            return std::abs(static_cast<int>((state / 2147483647.0) * n));
        }
    }
}
