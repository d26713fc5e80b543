// The key table. Main-row digits and letters use their character codes, the
// keypad, function keys and punctuation the numbers Windows gives them.
#include "Platform/SDL/SDLKeyTable.h"

#include "Platform/VirtualKeys.h"

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            const SDLKeyTable::Entry table[] = {
                {SDLK_BACKSPACE, VK::Back, 0},
                {SDLK_TAB, VK::Tab, 0},
                {SDLK_RETURN, VK::Return, 0},
                {SDLK_KP_ENTER, VK::Return, 0},
                {SDLK_LSHIFT, VK::Shift, VK::LShift},
                {SDLK_RSHIFT, VK::Shift, VK::RShift},
                {SDLK_LCTRL, VK::Control, VK::LControl},
                {SDLK_RCTRL, VK::Control, VK::RControl},
                {SDLK_LALT, VK::Menu, VK::LMenu},
                {SDLK_RALT, VK::Menu, VK::RMenu},
                {SDLK_PAUSE, VK::Pause, 0},
                {SDLK_CAPSLOCK, VK::Capital, 0},
                {SDLK_ESCAPE, VK::Escape, 0},
                {SDLK_SPACE, VK::Space, 0},
                {SDLK_PAGEUP, VK::Prior, 0},
                {SDLK_PAGEDOWN, VK::Next, 0},
                {SDLK_END, VK::End, 0},
                {SDLK_HOME, VK::Home, 0},
                {SDLK_LEFT, VK::Left, 0},
                {SDLK_UP, VK::Up, 0},
                {SDLK_RIGHT, VK::Right, 0},
                {SDLK_DOWN, VK::Down, 0},
                {SDLK_PRINTSCREEN, 0x2C, 0},
                {SDLK_INSERT, VK::Insert, 0},
                {SDLK_DELETE, VK::Delete, 0},

                {SDLK_0, '0', 0}, {SDLK_1, '1', 0}, {SDLK_2, '2', 0}, {SDLK_3, '3', 0}, {SDLK_4, '4', 0},
                {SDLK_5, '5', 0}, {SDLK_6, '6', 0}, {SDLK_7, '7', 0}, {SDLK_8, '8', 0}, {SDLK_9, '9', 0},

                {SDLK_a, 'A', 0}, {SDLK_b, 'B', 0}, {SDLK_c, 'C', 0}, {SDLK_d, 'D', 0}, {SDLK_e, 'E', 0},
                {SDLK_f, 'F', 0}, {SDLK_g, 'G', 0}, {SDLK_h, 'H', 0}, {SDLK_i, 'I', 0}, {SDLK_j, 'J', 0},
                {SDLK_k, 'K', 0}, {SDLK_l, 'L', 0}, {SDLK_m, 'M', 0}, {SDLK_n, 'N', 0}, {SDLK_o, 'O', 0},
                {SDLK_p, 'P', 0}, {SDLK_q, 'Q', 0}, {SDLK_r, 'R', 0}, {SDLK_s, 'S', 0}, {SDLK_t, 'T', 0},
                {SDLK_u, 'U', 0}, {SDLK_v, 'V', 0}, {SDLK_w, 'W', 0}, {SDLK_x, 'X', 0}, {SDLK_y, 'Y', 0},
                {SDLK_z, 'Z', 0},

                {SDLK_LGUI, 0x5B, 0},
                {SDLK_RGUI, 0x5C, 0},
                {SDLK_APPLICATION, 0x5D, 0},

                {SDLK_KP_0, VK::Numpad0 + 0, 0}, {SDLK_KP_1, VK::Numpad0 + 1, 0},
                {SDLK_KP_2, VK::Numpad0 + 2, 0}, {SDLK_KP_3, VK::Numpad0 + 3, 0},
                {SDLK_KP_4, VK::Numpad0 + 4, 0}, {SDLK_KP_5, VK::Numpad0 + 5, 0},
                {SDLK_KP_6, VK::Numpad0 + 6, 0}, {SDLK_KP_7, VK::Numpad0 + 7, 0},
                {SDLK_KP_8, VK::Numpad0 + 8, 0}, {SDLK_KP_9, VK::Numpad0 + 9, 0},
                {SDLK_KP_MULTIPLY, VK::Multiply, 0},
                {SDLK_KP_PLUS, VK::Add, 0},
                {SDLK_KP_MINUS, VK::Subtract, 0},
                {SDLK_KP_PERIOD, VK::Decimal, 0},
                {SDLK_KP_DIVIDE, VK::Divide, 0},

                {SDLK_F1, VK::F1 + 0, 0}, {SDLK_F2, VK::F1 + 1, 0}, {SDLK_F3, VK::F1 + 2, 0},
                {SDLK_F4, VK::F1 + 3, 0}, {SDLK_F5, VK::F1 + 4, 0}, {SDLK_F6, VK::F1 + 5, 0},
                {SDLK_F7, VK::F1 + 6, 0}, {SDLK_F8, VK::F1 + 7, 0}, {SDLK_F9, VK::F1 + 8, 0},
                {SDLK_F10, VK::F1 + 9, 0}, {SDLK_F11, VK::F1 + 10, 0}, {SDLK_F12, VK::F1 + 11, 0},

                {SDLK_NUMLOCKCLEAR, 0x90, 0},
                {SDLK_SCROLLLOCK, 0x91, 0},

                {SDLK_SEMICOLON, VK::OemSemicolon, 0},
                {SDLK_EQUALS, VK::OemPlus, 0},
                {SDLK_COMMA, VK::OemComma, 0},
                {SDLK_MINUS, VK::OemMinus, 0},
                {SDLK_PERIOD, VK::OemPeriod, 0},
                {SDLK_SLASH, VK::OemSlash, 0},
                {SDLK_BACKQUOTE, VK::OemTilde, 0},
                {SDLK_LEFTBRACKET, VK::OemOpenBracket, 0},
                {SDLK_BACKSLASH, VK::OemBackslash, 0},
                {SDLK_RIGHTBRACKET, VK::OemCloseBracket, 0},
                {SDLK_QUOTE, VK::OemQuote, 0},
            };
        }

        int SDLKeyTable::ToVirtualKey(SDL_Keycode key)
        {
            for (const Entry& entry : table)
                if (entry.key == key)
                    return entry.vk;
            return 0;
        }

        int SDLKeyTable::HeldAs(SDL_Keycode key, int numbers[2])
        {
            for (const Entry& entry : table)
            {
                if (entry.key != key)
                    continue;
                numbers[0] = entry.vk;
                if (entry.sideVk == 0)
                    return 1;
                numbers[1] = entry.sideVk;
                return 2;
            }
            return 0;
        }

        const SDLKeyTable::Entry* SDLKeyTable::Entries(std::size_t& count)
        {
            count = sizeof(table) / sizeof(table[0]);
            return table;
        }
    }
}
