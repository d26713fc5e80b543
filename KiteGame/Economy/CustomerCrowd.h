// CustomerCrowd: what the level's rules ask of its customers: one more
// arriving when the simulation's spawn timer runs out, and their standing
// following a new reputation. The customer system does both; with none
// nothing happens.
#pragma once

namespace KiteFramework
{
    namespace CustomerCrowd
    {
        void SpawnOne();
        void FollowReputation();
    }
}
