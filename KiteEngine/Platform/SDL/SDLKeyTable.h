// The one translation between SDL key codes and the virtual-key numbers the
// engine and the game use, in both directions.
#pragma once

#include <SDL2/SDL_keycode.h>

#include <cstddef>

namespace KiteFramework
{
    namespace Platform
    {
        class SDLKeyTable
        {
        public:
            struct Entry
            {
                SDL_Keycode key;
                int vk;     // what key events carry
                int sideVk; // the left/right-specific number, 0 when the key has none
            };

            // The virtual key of an SDL key code; 0 for keys the engine has no number for.
            static int ToVirtualKey(SDL_Keycode key);

            // True when the key code is one of the keys that vk names: the key
            // events' number or, for Shift, Ctrl and Alt, the side-specific one.
            static bool Matches(SDL_Keycode key, int vk);

            static const Entry* Entries(std::size_t& count);
        };
    }
}
