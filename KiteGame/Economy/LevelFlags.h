// LevelFlags: the three level unlock flags of this run (tutorial done,
// Level1 won, Level2 won); false at start and never saved.
#pragma once

#include <array>

namespace KiteFramework
{
    std::array<bool, 3>& GetLevelFlags();
    // Every level is open.
    bool AllLevelsUnlocked();
}
