// Colour and Color: four-float colours (the second name is the graphics
// system's background colour).
#pragma once

struct Colour
{
    float r, g, b, a;

    Colour(float r_ = 0.0f, float g_ = 0.0f, float b_ = 0.0f, float a_ = 0.0f) : r(r_), g(g_), b(b_), a(a_) {}
    Colour(const Colour& c, float a_) : r(c.r), g(c.g), b(c.b), a(a_) {}
    Colour(const Colour& c, float g_, float b_, float a_) : r(c.r), g(g_), b(b_), a(a_) {}
    Colour(const Colour&) = default;
    Colour& operator=(const Colour&) = default;
    bool operator==(const Colour& c) const { return r == c.r && g == c.g && b == c.b && a == c.a; }
    bool operator!=(const Colour& c) const { return !(*this == c); }
};

struct Color
{
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;

    Color() = default;
    Color& operator=(const Color&) = default;
    void SetColor(float r_, float g_, float b_, float a_) { r = r_; g = g_; b = b_; a = a_; }
};
