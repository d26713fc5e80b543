// Gamepad binding: bound at the start of the loop, polled every frame.
#pragma once

namespace KiteFramework
{
    void LoadXInput();
    void PollXInput();
    // How many pads answered the last poll.
    int ConnectedGamepads();
}
