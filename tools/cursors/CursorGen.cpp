// Draws the game's two mouse pointers and writes them as 32x32 .cur files
// (32-bit BGRA with an AND mask, hotspot at the tip):
//   kite_cursorgen <folder>
// Cursor_Default.cur is a cream-to-orange pointer with a dark brown outline
// and a soft shadow; Cursor_Pressed.cur is the same pointer darker, a little
// smaller about its tip and sitting closer to its shadow, as if pushed in.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace
{
    const int Size = 32;
    const int Samples = 4; // per axis, for smooth edges

    struct Point
    {
        float x, y;
    };

    struct Colour
    {
        float r, g, b, a;
    };

    // The pointer, tip first, in pixels with the tip at the origin.
    const std::vector<Point> Arrow = {{0.0f, 0.0f},   {0.0f, 21.0f},  {5.2f, 16.4f}, {8.8f, 24.6f},
                                      {12.6f, 22.9f}, {9.1f, 15.0f},  {16.0f, 15.0f}};

    struct Style
    {
        float scale;        // about the tip
        float shadowOffset; // pixels down and right
        float shadowAlpha;
        Colour top;         // fill at the tip
        Colour bottom;      // fill at the tail
        Colour outline;
        float outlineWidth;
    };

    bool Inside(const std::vector<Point>& poly, float x, float y)
    {
        bool in = false;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
        {
            const Point& a = poly[i];
            const Point& b = poly[j];
            if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x)
                in = !in;
        }
        return in;
    }

    float EdgeDistance(const std::vector<Point>& poly, float x, float y)
    {
        float best = 1e9f;
        for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++)
        {
            const Point& a = poly[j];
            const Point& b = poly[i];
            const float dx = b.x - a.x, dy = b.y - a.y;
            float t = ((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy);
            t = std::clamp(t, 0.0f, 1.0f);
            const float px = a.x + t * dx - x, py = a.y + t * dy - y;
            best = std::min(best, std::sqrt(px * px + py * py));
        }
        return best;
    }

    Colour Mix(const Colour& a, const Colour& b, float t)
    {
        return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
    }

    // Straight (not premultiplied) RGBA, rows from the top.
    std::vector<Colour> Draw(const Style& style, Point tip)
    {
        std::vector<Point> shape;
        for (const Point& p : Arrow)
            shape.push_back({tip.x + p.x * style.scale, tip.y + p.y * style.scale});
        std::vector<Point> shadow;
        for (const Point& p : shape)
            shadow.push_back({p.x + style.shadowOffset, p.y + style.shadowOffset});
        const float tail = 24.6f * style.scale;

        std::vector<Colour> pixels(Size * Size, Colour{0, 0, 0, 0});
        for (int py = 0; py < Size; ++py)
            for (int px = 0; px < Size; ++px)
            {
                // Accumulate premultiplied colour over the samples.
                Colour sum{0, 0, 0, 0};
                for (int sy = 0; sy < Samples; ++sy)
                    for (int sx = 0; sx < Samples; ++sx)
                    {
                        const float x = px + (sx + 0.5f) / Samples;
                        const float y = py + (sy + 0.5f) / Samples;
                        Colour c{0, 0, 0, 0};
                        const float edge = EdgeDistance(shape, x, y);
                        if (Inside(shape, x, y))
                            c = edge < style.outlineWidth
                                    ? style.outline
                                    : Mix(style.top, style.bottom, std::clamp((y - tip.y) / tail, 0.0f, 1.0f));
                        else if (edge < style.outlineWidth * 0.5f)
                            c = style.outline;
                        else if (Inside(shadow, x, y))
                            c = {0.0f, 0.0f, 0.0f, style.shadowAlpha};
                        sum.r += c.r * c.a;
                        sum.g += c.g * c.a;
                        sum.b += c.b * c.a;
                        sum.a += c.a;
                    }
                const float n = Samples * Samples;
                Colour& out = pixels[py * Size + px];
                out.a = sum.a / n;
                if (sum.a > 0)
                    out = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, out.a};
            }
        return pixels;
    }

    void Put16(std::vector<uint8_t>& out, unsigned v)
    {
        out.push_back(v & 0xFF);
        out.push_back((v >> 8) & 0xFF);
    }

    void Put32(std::vector<uint8_t>& out, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            out.push_back((v >> (8 * i)) & 0xFF);
    }

    uint8_t Byte(float v)
    {
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
    }

    std::vector<uint8_t> Encode(const std::vector<Colour>& pixels, int hotX, int hotY)
    {
        const uint32_t colourBytes = Size * Size * 4;
        const uint32_t maskStride = ((Size + 31) / 32) * 4;
        const uint32_t maskBytes = maskStride * Size;
        const uint32_t imageBytes = 40 + colourBytes + maskBytes;

        std::vector<uint8_t> out;
        // Directory: reserved, type 2 (cursor), one image.
        Put16(out, 0);
        Put16(out, 2);
        Put16(out, 1);
        // Entry: size, no palette, hotspot, image bytes and offset.
        out.push_back(Size);
        out.push_back(Size);
        out.push_back(0);
        out.push_back(0);
        Put16(out, hotX);
        Put16(out, hotY);
        Put32(out, imageBytes);
        Put32(out, 6 + 16);
        // Image header; the height counts colour and mask rows together.
        Put32(out, 40);
        Put32(out, Size);
        Put32(out, Size * 2);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, 0);
        Put32(out, colourBytes + maskBytes);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, 0);
        Put32(out, 0);
        // Colour rows, bottom first.
        for (int y = Size - 1; y >= 0; --y)
            for (int x = 0; x < Size; ++x)
            {
                const Colour& c = pixels[y * Size + x];
                out.push_back(Byte(c.b));
                out.push_back(Byte(c.g));
                out.push_back(Byte(c.r));
                out.push_back(Byte(c.a));
            }
        // AND mask, bottom first: set where the pointer leaves the screen untouched.
        for (int y = Size - 1; y >= 0; --y)
        {
            std::vector<uint8_t> row(maskStride, 0);
            for (int x = 0; x < Size; ++x)
                if (Byte(pixels[y * Size + x].a) == 0)
                    row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            out.insert(out.end(), row.begin(), row.end());
        }
        return out;
    }

    bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
    {
        // Written aside and renamed, so a reader never sees half a file.
        const std::filesystem::path temp = path.string() + ".tmp";
        {
            std::ofstream file(temp, std::ios::binary | std::ios::trunc);
            if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
            {
                std::fprintf(stderr, "kite_cursorgen: cannot write %s\n", temp.string().c_str());
                return false;
            }
        }
        std::error_code ec;
        std::filesystem::rename(temp, path, ec);
        if (ec)
        {
            std::fprintf(stderr, "kite_cursorgen: cannot write %s: %s\n", path.string().c_str(), ec.message().c_str());
            return false;
        }
        return true;
    }
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: kite_cursorgen <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec)
    {
        std::fprintf(stderr, "kite_cursorgen: cannot create %s: %s\n", folder.string().c_str(), ec.message().c_str());
        return 1;
    }

    const Colour outline{0.16f, 0.09f, 0.06f, 1.0f};
    // The tip sits at the same pixel in both, so pressing does not move the hotspot.
    const Point tip{1.5f, 1.5f};
    const int hotX = 1, hotY = 1;

    const Style normal{1.0f, 1.6f, 0.35f, {1.0f, 0.98f, 0.90f, 1.0f}, {1.0f, 0.70f, 0.26f, 1.0f}, outline, 1.3f};
    const Style pressed{0.9f, 0.7f, 0.45f, {0.86f, 0.72f, 0.52f, 1.0f}, {0.78f, 0.44f, 0.12f, 1.0f}, outline, 1.5f};

    const bool ok = Write(folder / "Cursor_Default.cur", Encode(Draw(normal, tip), hotX, hotY)) &&
                    Write(folder / "Cursor_Pressed.cur", Encode(Draw(pressed, tip), hotX, hotY));
    return ok ? 0 : 1;
}
