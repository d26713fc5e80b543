// Turns SDL events into the platform's neutral events.
#pragma once

#include <SDL2/SDL_events.h>

#include <deque>

#include "Platform/Platform.h"

namespace KiteFramework
{
    namespace Platform
    {
        class SDLEventTranslator
        {
        public:
            // Appends the events that one SDL event stands for (none for events
            // the engine has no use for, several for a text of several characters).
            static void Translate(const SDL_Event& native, std::deque<Event>& out);

            // The window an event belongs to; 0 for events of no window.
            static Uint32 WindowOf(const SDL_Event& native);

            // Appends one Character event per code point of a UTF-8 text; malformed
            // sequences are dropped, never read past the end.
            static void AppendCharacters(const char* text, std::size_t length, std::deque<Event>& out);

            // SDL button numbers to the engine's 0 left, 1 right, 2 middle; -1 for others.
            static int MouseButtonIndex(Uint8 sdlButton);
        };
    }
}
