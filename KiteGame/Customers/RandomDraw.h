// RandomDraw: the game's modulo draws with an empty range giving 0 instead
// of dividing by zero (thin level data: zero counts or offset ranges).
#pragma once

#include <cmath>

namespace KiteFramework
{
    namespace RandomDraw
    {
        // r % n; 0 when n is not positive.
        inline int Mod(int r, int n) { return n > 0 ? r % n : 0; }
        // fmod(r, range); 0 when the range is 0 or not a number.
        inline float FMod(int r, float range)
        {
            if (range == 0.0f || std::isnan(range))
                return 0.0f;
            return static_cast<float>(std::fmod(static_cast<double>(r), static_cast<double>(range)));
        }
        // A percent chance: (float)(r % 100) < chance.
        inline bool Percent(int r, float chance) { return static_cast<float>(r % 100) < chance; }
    }
}
