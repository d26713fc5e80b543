// The real platform back end on SDL2: windows, events, key and mouse state,
// cursors and gamepads. SDL is started piece by piece on first use.
#pragma once

#include <SDL2/SDL_events.h>
#include <SDL2/SDL_mouse.h>

#include <deque>
#include <vector>

#include "Platform/Platform.h"
#include "Platform/SDL/GLDriverPreload.h"
#include "Platform/SDL/SDLGamepads.h"

namespace KiteFramework
{
    namespace Platform
    {
        class SDLWindow;

        class SDLBackend : public Backend
        {
        public:
            SDLBackend();
            SDLBackend(const SDLBackend&) = delete;
            SDLBackend& operator=(const SDLBackend&) = delete;
            ~SDLBackend() override;

            void GetDesktopSize(int& width, int& height) override;
            std::unique_ptr<Window> CreateWindow(const std::string& title, int width, int height,
                                                 bool fullScreen) override;
            bool PollEvent(Event& event) override;
            bool WaitForEvent(int milliseconds) override;
            bool IsKeyDown(int vk) override;
            bool GetCursorPos(int& x, int& y) override;
            CursorHandle LoadCursorFile(const std::string& path) override;
            CursorHandle GetSystemCursor(SystemCursor kind) override;
            void SetCursor(CursorHandle cursor) override;
            bool GetGamepadState(int index, GamepadState& state) override;

            // Called by a window being destroyed.
            void WindowGone(SDLWindow* window);

        private:
            bool StartVideo();
            bool StartEvents();
            bool OwnsWindow(Uint32 id) const;
            void BuildScancodeMap();
            // Keeps the presses a query must report even when released again.
            void NoteDowns(const SDL_Event& native);
            CursorHandle Keep(SDL_Cursor* cursor);

            bool videoStarted = false;
            bool videoFailed = false;
            bool eventsOnlyStarted = false;

            std::vector<SDLWindow*> windows;
            // Events made from one SDL event and not handed out yet (several characters of one text).
            std::deque<Event> pending;

            // Handle n is cursors[n - 1].
            std::vector<SDL_Cursor*> cursors;
            CursorHandle systemCursors[5] = {};

            // Scancodes of each virtual key under the current keyboard layout.
            static const int MaxKeysPerVk = 4;
            SDL_Scancode vkScancodes[256][MaxKeysPerVk] = {};
            bool scancodeMapStale = true;

            Uint32 mouseButtons = 0;
            Uint64 mouseButtonsTime = 0;
            bool mouseButtonsRead = false;

            SDLGamepads gamepads;
            // Waited for when the back end goes.
            GLDriverPreload driverPreload;
        };
    }
}
