// Gamepad polling through the platform layer; the readings are not used.
#include "Core/Input/Gamepad.h"

#include "Platform/Platform.h"

namespace KiteFramework
{
    namespace
    {
        bool bound = false;
        int connected = 0;
    }

    void LoadXInput()
    {
        bound = true;
    }

    void PollXInput()
    {
        connected = 0;
        if (!bound || !Platform::IsInstalled())
            return;
        for (int pad = 0; pad < 4; ++pad)
        {
            Platform::GamepadState state;
            if (Platform::Get().GetGamepadState(pad, state))
                ++connected;
        }
    }

    int ConnectedGamepads()
    {
        return connected;
    }
}
