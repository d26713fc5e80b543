// The engine's random source: a 32-bit linear congruential generator whose
// upper bits give 15-bit results, the same on every platform.
#include "Core/Math/Random.h"

#include <cstdint>

namespace GENRANDNUM
{
    namespace
    {
        std::uint32_t state = 1;
    }

    int Rand()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFFu);
    }

    void Seed(unsigned seed)
    {
        state = seed;
    }

    float GenRandFloat(float lo, float hi)
    {
        return lo + static_cast<float>(Rand()) / static_cast<float>(RandMax) * (hi - lo);
    }

    int GenRandInt(int lo, int hi)
    {
        if (hi < lo)
            return lo;
        long long span = static_cast<long long>(hi) - lo + 1;
        return static_cast<int>(Rand() % span + lo);
    }
}
