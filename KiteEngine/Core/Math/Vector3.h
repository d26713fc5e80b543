// Vector3: three floats kept in one four-lane SSE value, so the arithmetic
// runs as single SIMD instructions. The fourth lane carries no meaning.
#pragma once

#include <cmath>
#include <xmmintrin.h>

namespace KiteFramework
{
    struct Vector3
    {
        union
        {
            __m128 mmvalue;
            struct
            {
                float x;
                float y;
                float z;
                float w_;
            };
        };

        Vector3() : mmvalue(_mm_setzero_ps()) {}
        Vector3(float x_, float y_, float z_) : mmvalue(_mm_set_ps(0.0f, z_, y_, x_)) {}
        Vector3(__m128 m) : mmvalue(m) {}

        bool operator==(const Vector3& v) const { return x == v.x && y == v.y && z == v.z; }
        bool operator!=(const Vector3& v) const { return !(*this == v); }

        // 0 is x, 1 is y, every other index reads z.
        float& operator[](int i) { return i == 0 ? x : (i == 1 ? y : z); }
        float operator[](int i) const { return i == 0 ? x : (i == 1 ? y : z); }

        Vector3 operator+(const Vector3& v) const { return _mm_add_ps(mmvalue, v.mmvalue); }
        Vector3 operator-(const Vector3& v) const { return _mm_sub_ps(mmvalue, v.mmvalue); }
        Vector3 operator*(const Vector3& v) const { return _mm_mul_ps(mmvalue, v.mmvalue); }
        Vector3 operator/(const Vector3& v) const { return _mm_div_ps(mmvalue, v.mmvalue); }
        Vector3 operator+(float s) const { return _mm_add_ps(mmvalue, _mm_set1_ps(s)); }
        Vector3 operator-(float s) const { return _mm_sub_ps(mmvalue, _mm_set1_ps(s)); }
        Vector3 operator*(float s) const { return _mm_mul_ps(mmvalue, _mm_set1_ps(s)); }
        Vector3 operator/(float s) const { return _mm_div_ps(mmvalue, _mm_set1_ps(s)); }
        Vector3 operator-() const { return _mm_sub_ps(_mm_setzero_ps(), mmvalue); }

        Vector3& operator+=(const Vector3& v) { mmvalue = _mm_add_ps(mmvalue, v.mmvalue); return *this; }
        Vector3& operator-=(const Vector3& v) { mmvalue = _mm_sub_ps(mmvalue, v.mmvalue); return *this; }
        Vector3& operator*=(const Vector3& v) { mmvalue = _mm_mul_ps(mmvalue, v.mmvalue); return *this; }
        Vector3& operator/=(const Vector3& v) { mmvalue = _mm_div_ps(mmvalue, v.mmvalue); return *this; }
        Vector3& operator+=(float s) { mmvalue = _mm_add_ps(mmvalue, _mm_set1_ps(s)); return *this; }
        Vector3& operator-=(float s) { mmvalue = _mm_sub_ps(mmvalue, _mm_set1_ps(s)); return *this; }
        Vector3& operator*=(float s) { mmvalue = _mm_mul_ps(mmvalue, _mm_set1_ps(s)); return *this; }
        Vector3& operator/=(float s) { mmvalue = _mm_div_ps(mmvalue, _mm_set1_ps(s)); return *this; }

        float DotProduct(const Vector3& v) const
        {
            // The fourth lane may hold anything (a division leaves NaN there),
            // so only the first three products are summed.
            alignas(16) float p[4];
            _mm_store_ps(p, _mm_mul_ps(mmvalue, v.mmvalue));
            return p[0] + p[1] + p[2];
        }

        Vector3 CrossProduct(const Vector3& v) const
        {
            // (y, z, x) * (v.z, v.x, v.y) - (z, x, y) * (v.y, v.z, v.x)
            __m128 a = _mm_shuffle_ps(mmvalue, mmvalue, _MM_SHUFFLE(3, 0, 2, 1));
            __m128 b = _mm_shuffle_ps(v.mmvalue, v.mmvalue, _MM_SHUFFLE(3, 1, 0, 2));
            __m128 c = _mm_shuffle_ps(mmvalue, mmvalue, _MM_SHUFFLE(3, 1, 0, 2));
            __m128 d = _mm_shuffle_ps(v.mmvalue, v.mmvalue, _MM_SHUFFLE(3, 0, 2, 1));
            return _mm_sub_ps(_mm_mul_ps(a, b), _mm_mul_ps(c, d));
        }

        float Length() const { return std::sqrt(DotProduct(*this)); }
        Vector3 Normalize() const { return *this / Length(); }
    };

    inline Vector3 operator*(float s, const Vector3& v) { return v * s; }
}
