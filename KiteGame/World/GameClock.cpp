// GameClock: game and feedback time steps.
#include "World/GameClock.h"

#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"

namespace KiteFramework
{
    float GameClock::TimeFactor()
    {
        return ENGINE ? ENGINE->GetTimeFactor() : 1.0f;
    }

    float GameClock::ScaledStep()
    {
        return fc.getFixedDeltaTime() * TimeFactor();
    }

    float GameClock::UnscaledStep()
    {
        return fc.getFixedDeltaTime();
    }
}
