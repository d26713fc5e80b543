// GameClock: the time steps game rules advance by: the fixed frame step,
// scaled by the engine's time factor for game time, unscaled for feedback
// that runs during a pause.
#pragma once

namespace KiteFramework
{
    namespace GameClock
    {
        float ScaledStep();
        float UnscaledStep();
        float TimeFactor();
    }
}
