// The engine's one random source (results 0 to 32767, seedable) and the
// range helpers every random draw of the engine and the game goes through.
#pragma once

namespace GENRANDNUM
{
    // Largest value Rand returns.
    constexpr int RandMax = 32767;

    // Next value of the process-wide generator, 0 to 32767.
    int Rand();
    // Restarts the sequence; every run starts as if seeded with 1.
    void Seed(unsigned seed);

    // lo + r / 32767 * (hi - lo): from lo to hi inclusive.
    float GenRandFloat(float lo, float hi);
    // From lo to hi inclusive; lo when hi is below lo.
    int GenRandInt(int lo, int hi);
}
