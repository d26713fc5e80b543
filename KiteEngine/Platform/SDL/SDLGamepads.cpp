// Controller bookkeeping and the reading of one pad.
#include "Platform/SDL/SDLGamepads.h"

#include <SDL2/SDL.h>

#include <cstdio>

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            struct ButtonBit
            {
                SDL_GameControllerButton button;
                unsigned short bit;
            };

            const ButtonBit buttonBits[] = {
                {SDL_CONTROLLER_BUTTON_DPAD_UP, GamepadButton::DPadUp},
                {SDL_CONTROLLER_BUTTON_DPAD_DOWN, GamepadButton::DPadDown},
                {SDL_CONTROLLER_BUTTON_DPAD_LEFT, GamepadButton::DPadLeft},
                {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, GamepadButton::DPadRight},
                {SDL_CONTROLLER_BUTTON_START, GamepadButton::Start},
                {SDL_CONTROLLER_BUTTON_BACK, GamepadButton::Back},
                {SDL_CONTROLLER_BUTTON_LEFTSTICK, GamepadButton::LeftThumb},
                {SDL_CONTROLLER_BUTTON_RIGHTSTICK, GamepadButton::RightThumb},
                {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, GamepadButton::LeftShoulder},
                {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, GamepadButton::RightShoulder},
                {SDL_CONTROLLER_BUTTON_A, GamepadButton::A},
                {SDL_CONTROLLER_BUTTON_B, GamepadButton::B},
                {SDL_CONTROLLER_BUTTON_X, GamepadButton::X},
                {SDL_CONTROLLER_BUTTON_Y, GamepadButton::Y},
            };

            unsigned char Trigger(Sint16 value)
            {
                if (value <= 0)
                    return 0;
                return static_cast<unsigned char>((value * 255 + 16383) / 32767);
            }

            // SDL's stick y grows downwards, the engine's upwards; -32768 has no
            // positive twin in 16 bits.
            short Upwards(Sint16 value)
            {
                return value == -32768 ? short(32767) : static_cast<short>(-value);
            }
        }

        SDLGamepads::~SDLGamepads()
        {
            for (SDL_GameController* pad : pads)
                SDL_GameControllerClose(pad);
            pads.clear();
            if (started)
                SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        }

        bool SDLGamepads::Start()
        {
            if (started)
                return true;
            if (failed)
                return false;
            if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
            {
                std::fprintf(stderr, "Gamepads: cannot start SDL game controllers: %s\n", SDL_GetError());
                failed = true;
                return false;
            }
            started = true;
            const int count = SDL_NumJoysticks();
            for (int i = 0; i < count; ++i)
                DeviceAdded(i);
            return true;
        }

        void SDLGamepads::DeviceAdded(int deviceIndex)
        {
            if (!started || !SDL_IsGameController(deviceIndex))
                return;
            // SDL also announces the pads that were present at start, which are open already.
            const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
            for (SDL_GameController* pad : pads)
                if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) == instance)
                    return;
            SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
            if (!pad)
            {
                std::fprintf(stderr, "Gamepads: cannot open controller %d: %s\n", deviceIndex, SDL_GetError());
                return;
            }
            pads.push_back(pad);
        }

        void SDLGamepads::DeviceRemoved(SDL_JoystickID instance)
        {
            for (auto it = pads.begin(); it != pads.end(); ++it)
            {
                if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(*it)) == instance)
                {
                    SDL_GameControllerClose(*it);
                    pads.erase(it);
                    return;
                }
            }
        }

        void SDLGamepads::DropDetached()
        {
            for (auto it = pads.begin(); it != pads.end();)
            {
                if (SDL_GameControllerGetAttached(*it))
                    ++it;
                else
                {
                    SDL_GameControllerClose(*it);
                    it = pads.erase(it);
                }
            }
        }

        bool SDLGamepads::GetState(int index, GamepadState& state)
        {
            state = GamepadState();
            if (index < 0 || index >= MaxPads || !Start())
                return false;
            // Read the devices now, as the engine's readers expect a live answer
            // even between event pumps.
            SDL_GameControllerUpdate();
            DropDetached();
            if (index >= static_cast<int>(pads.size()))
                return false;

            SDL_GameController* pad = pads[index];
            bool buttons[SDL_CONTROLLER_BUTTON_MAX];
            Sint16 axes[SDL_CONTROLLER_AXIS_MAX];
            for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
                buttons[b] = SDL_GameControllerGetButton(pad, static_cast<SDL_GameControllerButton>(b)) != 0;
            for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a)
                axes[a] = SDL_GameControllerGetAxis(pad, static_cast<SDL_GameControllerAxis>(a));
            state = Compose(buttons, axes);
            return true;
        }

        GamepadState SDLGamepads::Compose(const bool buttons[SDL_CONTROLLER_BUTTON_MAX],
                                          const Sint16 axes[SDL_CONTROLLER_AXIS_MAX])
        {
            GamepadState state;
            for (const ButtonBit& entry : buttonBits)
                if (buttons[entry.button])
                    state.buttons = static_cast<unsigned short>(state.buttons | entry.bit);
            state.leftTrigger = Trigger(axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT]);
            state.rightTrigger = Trigger(axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT]);
            state.thumbLX = axes[SDL_CONTROLLER_AXIS_LEFTX];
            state.thumbLY = Upwards(axes[SDL_CONTROLLER_AXIS_LEFTY]);
            state.thumbRX = axes[SDL_CONTROLLER_AXIS_RIGHTX];
            state.thumbRY = Upwards(axes[SDL_CONTROLLER_AXIS_RIGHTY]);
            return state;
        }
    }
}
