// LevelFlags: the process-wide unlock flags.
#include "Economy/LevelFlags.h"

namespace KiteFramework
{
    std::array<bool, 3>& GetLevelFlags()
    {
        static std::array<bool, 3> flags{};
        return flags;
    }

    bool AllLevelsUnlocked()
    {
        const std::array<bool, 3>& flags = GetLevelFlags();
        return flags[0] && flags[1] && flags[2];
    }
}
