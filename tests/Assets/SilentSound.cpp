// The asset tests check the game's data, not the machine they run on: they
// start the game with SDL's silent sound driver, so that on a machine without
// a sound device the start-up's "no sound output device" line (and the sound
// library's own complaints) never read as a report about the data.
#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
    class SilentSound : public ::testing::Environment
    {
    public:
        void SetUp() override { ::setenv("SDL_AUDIODRIVER", "dummy", 1); }
    };

    [[maybe_unused]] ::testing::Environment* const kSilentSound = ::testing::AddGlobalTestEnvironment(new SilentSound);
}
