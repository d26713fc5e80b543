// Gamepads through SDL's game controller API: pads 0 to 3 are the opened
// controllers in the order they were connected.
#pragma once

#include <SDL2/SDL_gamecontroller.h>

#include <vector>

#include "Platform/Platform.h"

namespace KiteFramework
{
    namespace Platform
    {
        class SDLGamepads
        {
        public:
            static const int MaxPads = 4;

            SDLGamepads() = default;
            SDLGamepads(const SDLGamepads&) = delete;
            SDLGamepads& operator=(const SDLGamepads&) = delete;
            ~SDLGamepads();

            // Starts the controller subsystem on first use and opens the pads present.
            bool Start();
            void DeviceAdded(int deviceIndex);
            void DeviceRemoved(SDL_JoystickID instance);
            bool GetState(int index, GamepadState& state);
            int Count() const { return static_cast<int>(pads.size()); }

            // The engine's reading of one pad from SDL's buttons and axes.
            static GamepadState Compose(const bool buttons[SDL_CONTROLLER_BUTTON_MAX],
                                        const Sint16 axes[SDL_CONTROLLER_AXIS_MAX]);

        private:
            void DropDetached();

            std::vector<SDL_GameController*> pads;
            bool started = false;
            bool failed = false;
        };
    }
}
