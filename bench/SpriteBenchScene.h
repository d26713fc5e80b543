// What the engine's render benchmark and the raw OpenGL reference program
// share, so that both draw the same picture: the 32-pixel dot, where each
// sprite starts, how it moves, its depth, and the search for the most sprites
// that fit a 60 Hz frame.
#pragma once

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace SpriteBench
{
    constexpr int windowWidth = 1600;
    constexpr int windowHeight = 900;
    constexpr int dotSize = 32;
    constexpr double frameBudgetMs = 1000.0 / 60.0;
    // Sprites drawn with rasterisation discarded, for the submission cost.
    constexpr std::size_t costSprites = 20000;

    // A soft round dot, half transparent at its rim; rows from the top.
    inline std::vector<unsigned char> DotPixels()
    {
        std::vector<unsigned char> pixels(dotSize * dotSize * 4);
        for (int y = 0; y < dotSize; ++y)
            for (int x = 0; x < dotSize; ++x)
            {
                const float fx = (x + 0.5f) / dotSize - 0.5f;
                const float fy = (y + 0.5f) / dotSize - 0.5f;
                const float r = 2.0f * std::sqrt(fx * fx + fy * fy);
                unsigned char* p = &pixels[(y * dotSize + x) * 4];
                p[0] = 255;
                p[1] = static_cast<unsigned char>(120 + 100 * (1 - r > 0 ? 1 - r : 0));
                p[2] = 40;
                p[3] = static_cast<unsigned char>(r < 1.0f ? 255 * (1.0f - 0.5f * r) : 0);
            }
        return pixels;
    }

    // One sprite in world units (the camera's centre is 0, 0).
    struct Mover
    {
        float x, y, dx, dy, depth;

        void Step()
        {
            x += dx;
            y += dy;
            if (x < -784 || x > 784)
                dx = -dx;
            if (y < -434 || y > 434)
                dy = -dy;
        }
    };

    inline float Unit(std::uint32_t i, std::uint32_t salt)
    {
        std::uint32_t h = i * 0x9E3779B1u ^ salt * 0x85EBCA77u;
        h ^= h >> 15;
        h *= 0x2C1B3C6Du;
        h ^= h >> 12;
        return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0x1000000);
    }

    // Sprite i's start. Depths are distinct (a bijection of the index), so
    // the draw order, deeper first, is the same in both programs.
    inline Mover Start(std::size_t index)
    {
        const auto i = static_cast<std::uint32_t>(index);
        const std::uint32_t rank = (i * 0x9E3779B1u) & 0x3FFFFu;
        return Mover{-780.0f + 1560.0f * Unit(i, 1), -430.0f + 860.0f * Unit(i, 2), -3.0f + 6.0f * Unit(i, 3),
                     -3.0f + 6.0f * Unit(i, 4), static_cast<float>(100.0 - rank * 0.00035)};
    }

    inline double ThreadCpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
    }

    // The search for the most sprites whose frame fits the budget:
    // doubling until a frame is over it, then halving the gap down to 1%.
    // Driven a step at a time, so that two searches can take turns.
    class Search
    {
    public:
        bool Done() const { return done; }
        std::size_t Next() const { return bad ? (good + bad) / 2 : (good ? good * 2 : 256); }
        void Report(double frameMs)
        {
            const std::size_t n = Next();
            if (frameMs > frameBudgetMs)
                bad = n;
            else
                good = n;
            done = (bad && bad - good <= good / 100 + 1) || (!bad && good >= (1u << 18));
        }
        std::size_t Most() const { return good; }

    private:
        std::size_t good = 0;
        std::size_t bad = 0;
        bool done = false;
    };

    // The quickest of several frames: on a shared machine other work only
    // ever adds to a frame, so the quickest is the truest.
    inline double Quickest(const std::vector<double>& v)
    {
        return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
    }
}
