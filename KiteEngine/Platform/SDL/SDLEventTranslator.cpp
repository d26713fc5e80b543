// SDL event translation.
#include "Platform/SDL/SDLEventTranslator.h"

#include <SDL2/SDL_mouse.h>

#include <cstring>

#include "Platform/SDL/SDLKeyTable.h"

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            // Each fills e from one kind of SDL event; false when the event
            // stands for nothing the engine uses.
            bool TranslateWindow(const SDL_WindowEvent& window, Event& e)
            {
                switch (window.event)
                {
                case SDL_WINDOWEVENT_CLOSE:
                    e.type = EventType::Close;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    e.type = EventType::FocusLost;
                    return true;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    e.type = EventType::FocusGained;
                    return true;
                // SIZE_CHANGED follows every change, RESIZED only those from outside.
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    e.type = EventType::Resize;
                    e.width = window.data1;
                    e.height = window.data2;
                    return true;
                default:
                    return false;
                }
            }

            bool TranslateMouseButton(const SDL_MouseButtonEvent& button, Event& e)
            {
                e.button = SDLEventTranslator::MouseButtonIndex(button.button);
                if (e.button < 0)
                    return false;
                e.type = button.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
                e.x = button.x;
                e.y = button.y;
                return true;
            }

            void TranslateWheel(const SDL_MouseWheelEvent& wheel, Event& e)
            {
                e.type = EventType::Wheel;
                float dx = wheel.preciseX;
                float dy = wheel.preciseY;
                // Older senders fill only the whole steps.
                if (dx == 0.0f && dy == 0.0f)
                {
                    dx = static_cast<float>(wheel.x);
                    dy = static_cast<float>(wheel.y);
                }
                if (wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
                {
                    dx = -dx;
                    dy = -dy;
                }
                e.wheelX = dx;
                e.wheelY = dy;
                e.x = wheel.mouseX;
                e.y = wheel.mouseY;
            }

            bool TranslateKey(const SDL_KeyboardEvent& key, Event& e)
            {
                e.vk = SDLKeyTable::ToVirtualKey(key.keysym.sym);
                if (e.vk == 0)
                    return false;
                e.type = key.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp;
                e.repeat = key.type == SDL_KEYDOWN && key.repeat != 0;
                e.alt = (key.keysym.mod & KMOD_ALT) != 0;
                return true;
            }
        }

        void SDLEventTranslator::Translate(const SDL_Event& native, std::deque<Event>& out)
        {
            Event e;
            bool used = true;
            switch (native.type)
            {
            case SDL_QUIT:
                e.type = EventType::Quit;
                break;
            case SDL_WINDOWEVENT:
                used = TranslateWindow(native.window, e);
                break;
            case SDL_MOUSEMOTION:
                e.type = EventType::MouseMove;
                e.x = native.motion.x;
                e.y = native.motion.y;
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                used = TranslateMouseButton(native.button, e);
                break;
            case SDL_MOUSEWHEEL:
                TranslateWheel(native.wheel, e);
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                used = TranslateKey(native.key, e);
                break;
            case SDL_TEXTINPUT:
                AppendCharacters(native.text.text, strnlen(native.text.text, sizeof(native.text.text)), out);
                return;
            default:
                return;
            }
            if (used)
                out.push_back(e);
        }

        Uint32 SDLEventTranslator::WindowOf(const SDL_Event& native)
        {
            switch (native.type)
            {
            case SDL_WINDOWEVENT:
                return native.window.windowID;
            case SDL_MOUSEMOTION:
                return native.motion.windowID;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                return native.button.windowID;
            case SDL_MOUSEWHEEL:
                return native.wheel.windowID;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                return native.key.windowID;
            case SDL_TEXTINPUT:
                return native.text.windowID;
            default:
                return 0;
            }
        }

        void SDLEventTranslator::AppendCharacters(const char* text, std::size_t length, std::deque<Event>& out)
        {
            const auto* s = reinterpret_cast<const unsigned char*>(text);
            std::size_t i = 0;
            while (i < length)
            {
                const unsigned char lead = s[i];
                unsigned codepoint;
                std::size_t extra;
                if (lead < 0x80)
                {
                    codepoint = lead;
                    extra = 0;
                }
                else if (lead >= 0xC2 && lead <= 0xDF)
                {
                    codepoint = lead & 0x1F;
                    extra = 1;
                }
                else if (lead >= 0xE0 && lead <= 0xEF)
                {
                    codepoint = lead & 0x0F;
                    extra = 2;
                }
                else if (lead >= 0xF0 && lead <= 0xF4)
                {
                    codepoint = lead & 0x07;
                    extra = 3;
                }
                else
                {
                    ++i;
                    continue;
                }
                std::size_t j = 1;
                for (; j <= extra && i + j < length && (s[i + j] & 0xC0) == 0x80; ++j)
                    codepoint = (codepoint << 6) | (s[i + j] & 0x3F);
                if (j <= extra)
                {
                    // Cut short: skip what was read and resync on the next byte.
                    i += j;
                    continue;
                }
                i += j;
                // Overlong forms, surrogates and values past Unicode are not characters.
                const bool overlong = (extra == 2 && codepoint < 0x800) || (extra == 3 && codepoint < 0x10000);
                if (overlong || (codepoint >= 0xD800 && codepoint <= 0xDFFF) || codepoint > 0x10FFFF ||
                    codepoint == 0)
                    continue;
                Event e;
                e.type = EventType::Character;
                e.codepoint = codepoint;
                out.push_back(e);
            }
        }

        int SDLEventTranslator::MouseButtonIndex(Uint8 sdlButton)
        {
            switch (sdlButton)
            {
            case SDL_BUTTON_LEFT:
                return 0;
            case SDL_BUTTON_RIGHT:
                return 1;
            case SDL_BUTTON_MIDDLE:
                return 2;
            default:
                return -1;
            }
        }
    }
}
