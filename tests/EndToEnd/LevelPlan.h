// What a level asks of the player, read from the mission lines the game
// prints as its star panel shows them: the first star's missions and their
// progress, and which stars are done.
#pragma once

#include <string>

namespace KiteTest
{
    class LevelPlan
    {
    public:
        struct Mission
        {
            int target = 0;   // 0: not asked for
            int progress = 0;
            bool done = false;
            bool Open() const { return target > 0 && !done; }
        };

        // Reads every line the level printed so far (from the level's start).
        void Read(const std::string& output);

        Mission serve, stalls, seats, upgrade;
        int stars = 0;
        // Third-star goals, as drawn.
        int moneyGoal = 0;
        int likesGoal = 0;

        // The first star's missions that building and upgrading can still move.
        bool NeedsStalls() const { return stars == 0 && stalls.Open(); }
        bool NeedsSeats() const { return stars == 0 && seats.Open(); }
        bool NeedsUpgrade() const { return stars == 0 && upgrade.Open(); }
        std::string Summary() const;
    };
}
