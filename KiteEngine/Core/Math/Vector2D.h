// Vector2D: the two-float value used for positions, scales, sizes and mouse
// coordinates throughout the engine and the game.
#pragma once

#include <cmath>

struct ImVec2;

namespace KiteFramework
{
    struct Vector2D
    {
        union
        {
            struct
            {
                float x;
                float y;
            };
            float m[2];
        };

        Vector2D() : x(0.0f), y(0.0f) {}
        Vector2D(float x_, float y_) : x(x_), y(y_) {}
        Vector2D(const ImVec2& v);
        Vector2D(const Vector2D& v) : x(v.x), y(v.y) {}
        Vector2D(Vector2D&& v) noexcept : x(v.x), y(v.y) {}
        Vector2D& operator=(const Vector2D& v) { x = v.x; y = v.y; return *this; }
        Vector2D& operator=(Vector2D&& v) noexcept { x = v.x; y = v.y; return *this; }

        // Index 1 is y; every other index reads x.
        float& operator[](unsigned i) { return i == 1 ? y : x; }
        float operator[](unsigned i) const { return i == 1 ? y : x; }

        Vector2D& operator*=(float s) { x *= s; y *= s; return *this; }
        Vector2D& operator/=(float s) { x /= s; y /= s; return *this; }
        Vector2D& operator+=(const Vector2D& v) { x += v.x; y += v.y; return *this; }
        Vector2D& operator-=(const Vector2D& v) { x -= v.x; y -= v.y; return *this; }
        Vector2D operator-() const { return Vector2D(-x, -y); }
    };

    inline Vector2D operator+(const Vector2D& a, const Vector2D& b) { return Vector2D(a.x + b.x, a.y + b.y); }
    inline Vector2D operator-(const Vector2D& a, const Vector2D& b) { return Vector2D(a.x - b.x, a.y - b.y); }
    inline Vector2D operator*(const Vector2D& a, float s) { return Vector2D(a.x * s, a.y * s); }
    inline Vector2D operator*(float s, const Vector2D& a) { return Vector2D(a.x * s, a.y * s); }
    inline Vector2D operator/(const Vector2D& a, const Vector2D& b) { return Vector2D(a.x / b.x, a.y / b.y); }
    inline Vector2D operator/(const Vector2D& a, float s) { return Vector2D(a.x / s, a.y / s); }
    inline bool operator==(const Vector2D& a, const Vector2D& b) { return a.x == b.x && a.y == b.y; }
    inline bool operator!=(const Vector2D& a, const Vector2D& b) { return !(a == b); }

    inline void Set(Vector2D* v, float x, float y) { v->x = x; v->y = y; }
    inline float Vector2DSquareLength(const Vector2D& v) { return v.x * v.x + v.y * v.y; }
    inline float Vector2DLength(const Vector2D& v) { return std::sqrt(Vector2DSquareLength(v)); }
    inline float Vector2DDistance(const Vector2D& a, const Vector2D& b) { return Vector2DLength(b - a); }
    inline float Vector2DSquareDistance(const Vector2D& a, const Vector2D& b) { return Vector2DSquareLength(b - a); }
    inline float Vector2DDotProduct(const Vector2D& a, const Vector2D& b) { return a.x * b.x + a.y * b.y; }
    inline float Vector2DCrossProductMag(const Vector2D& a, const Vector2D& b) { return a.x * b.y - a.y * b.x; }
    // No guard: a zero vector gives not-a-number components.
    inline void Vector2DNormalize(Vector2D& out, const Vector2D& in)
    {
        float len = Vector2DLength(in);
        out = Vector2D(in.x / len, in.y / len);
    }
}
