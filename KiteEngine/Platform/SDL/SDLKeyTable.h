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

            // The numbers under which the key counts as held: the key events'
            // number and, for Shift, Ctrl and Alt, the side-specific one.
            // Returns how many were written (0 for keys without a number).
            static int HeldAs(SDL_Keycode key, int numbers[2]);

            static const Entry* Entries(std::size_t& count);
        };
    }
}
