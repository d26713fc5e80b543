// The SDL back end.
#include "Platform/SDL/SDLBackend.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Platform/SDL/CursorFile.h"
#include "Platform/SDL/SDLEventTranslator.h"
#include "Platform/SDL/SDLKeyTable.h"
#include "Platform/SDL/SDLWindow.h"
#include "Platform/VirtualKeys.h"

namespace KiteFramework
{
    namespace Platform
    {
        Backend* CreateSDLBackend()
        {
            return new SDLBackend();
        }

        SDLBackend::SDLBackend() = default;

        SDLBackend::~SDLBackend()
        {
            // Windows still held by the engine lose their SDL side now, while SDL is up.
            while (!windows.empty())
                windows.back()->Release();
            for (SDL_Cursor* cursor : cursors)
                SDL_FreeCursor(cursor);
            cursors.clear();
            if (videoStarted)
                SDL_QuitSubSystem(SDL_INIT_VIDEO);
            if (eventsOnlyStarted)
                SDL_QuitSubSystem(SDL_INIT_EVENTS);
        }

        bool SDLBackend::StartVideo()
        {
            if (videoStarted)
                return true;
            if (videoFailed)
                return false;
            // A window for OpenGL is the only use of video: its driver opens
            // beside SDL's own start, where there is a display to show it on.
            const char* display = std::getenv("DISPLAY");
            if (display && *display)
                driverPreload.Start();
            // A click that focuses the window is a click, as the game expects.
            SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
            if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            {
                std::fprintf(stderr, "Platform: cannot start SDL video: %s\n", SDL_GetError());
                videoFailed = true;
                return false;
            }
            // Without a display SDL falls back to drawing into memory, where
            // no one sees the window: that is no display, unless asked for.
            const char* driver = SDL_GetCurrentVideoDriver();
            const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
            if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) &&
                !(asked && std::strstr(asked, driver)))
            {
                const char* display = std::getenv("DISPLAY");
                std::fprintf(stderr, "Platform: no usable display (DISPLAY is %s%s%s): nothing can be shown\n",
                             display ? "\"" : "", display ? display : "not set", display ? "\"" : "");
                SDL_QuitSubSystem(SDL_INIT_VIDEO);
                videoFailed = true;
                return false;
            }
            videoStarted = true;
            return true;
        }

        bool SDLBackend::StartEvents()
        {
            if (StartVideo() || eventsOnlyStarted)
                return true;
            // Without a display the queue still works for quit requests and pushed events.
            if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0)
                return false;
            eventsOnlyStarted = true;
            return true;
        }

        void SDLBackend::GetDesktopSize(int& width, int& height)
        {
            width = 0;
            height = 0;
            if (!StartVideo())
                return;
            SDL_DisplayMode mode;
            if (SDL_GetDesktopDisplayMode(0, &mode) != 0)
            {
                std::fprintf(stderr, "Platform: cannot read the desktop size: %s\n", SDL_GetError());
                return;
            }
            width = mode.w;
            height = mode.h;
        }

        std::unique_ptr<Window> SDLBackend::CreateWindow(const std::string& title, int width, int height,
                                                         bool fullScreen)
        {
            if (!StartVideo())
            {
                std::fprintf(stderr, "Window \"%s\": cannot be created without video\n", title.c_str());
                return nullptr;
            }
            width = std::max(width, 1);
            height = std::max(height, 1);
            const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;

            // The pixel format is fixed when the window is made, so the buffers are asked for here.
            SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
            SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
            SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
            SDL_Window* native = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                                  width, height, flags);
            if (!native)
            {
                const std::string firstError = SDL_GetError();
                SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
                SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
                native = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                                          height, flags);
                if (!native)
                {
                    std::fprintf(stderr, "Window \"%s\": cannot be created (%s; %s)\n", title.c_str(),
                                 firstError.c_str(), SDL_GetError());
                    return nullptr;
                }
                SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
                SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
            }

            auto window = std::make_unique<SDLWindow>(this, native);
            windows.push_back(window.get());
            if (fullScreen)
                window->SetFullScreen(true);
            SDL_ShowWindow(native);
            SDL_StartTextInput();
            return window;
        }

        void SDLBackend::WindowGone(SDLWindow* window)
        {
            windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
        }

        bool SDLBackend::OwnsWindow(Uint32 id) const
        {
            for (const SDLWindow* window : windows)
                if (window->GetID() == id)
                    return true;
            return false;
        }

        bool SDLBackend::PollEvent(Event& event)
        {
            if (pending.empty())
            {
                if (!StartEvents())
                    return false;
                SDL_Event native;
                while (pending.empty() && SDL_PollEvent(&native))
                {
                    switch (native.type)
                    {
                    case SDL_KEYMAPCHANGED:
                        scancodeMapStale = true;
                        continue;
                    case SDL_CONTROLLERDEVICEADDED:
                        gamepads.DeviceAdded(native.cdevice.which);
                        continue;
                    case SDL_CONTROLLERDEVICEREMOVED:
                        gamepads.DeviceRemoved(native.cdevice.which);
                        continue;
                    // Nothing reads dropped files, but SDL hands over their names to be freed.
                    case SDL_DROPFILE:
                    case SDL_DROPTEXT:
                        SDL_free(native.drop.file);
                        continue;
                    default:
                        break;
                    }
                    const Uint32 id = SDLEventTranslator::WindowOf(native);
                    if (id != 0 && !OwnsWindow(id))
                        continue;
                    NoteDowns(native);
                    SDLEventTranslator::Translate(native, pending);
                }
                if (pending.empty())
                    return false;
            }
            event = pending.front();
            pending.pop_front();
            return true;
        }

        bool SDLBackend::WaitForEvent(int milliseconds)
        {
            if (!pending.empty())
                return true;
            if (!StartEvents())
                return false;
            // Without an event to fill, SDL leaves the one it found queued.
            return SDL_WaitEventTimeout(nullptr, milliseconds > 0 ? milliseconds : 0) == 1;
        }

        void SDLBackend::NoteDowns(const SDL_Event& native)
        {
            if (native.type == SDL_KEYDOWN && !native.key.repeat)
            {
                // Every number the key is held as (Shift and left Shift).
                int numbers[2];
                const int count = SDLKeyTable::HeldAs(native.key.keysym.sym, numbers);
                for (int n = 0; n < count; ++n)
                    NoteWentDown(numbers[n]);
            }
            else if (native.type == SDL_MOUSEBUTTONDOWN)
            {
                static const int buttonKeys[3] = {VK::LButton, VK::RButton, VK::MButton};
                const int index = SDLEventTranslator::MouseButtonIndex(native.button.button);
                if (index >= 0 && index < 3)
                    NoteWentDown(buttonKeys[index]);
            }
        }

        void SDLBackend::BuildScancodeMap()
        {
            for (auto& keys : vkScancodes)
                std::fill(std::begin(keys), std::end(keys), SDL_SCANCODE_UNKNOWN);
            std::size_t count = 0;
            const SDLKeyTable::Entry* entries = SDLKeyTable::Entries(count);
            auto add = [this](int vk, SDL_Scancode scancode) {
                if (vk <= 0 || vk > 255)
                    return;
                for (SDL_Scancode& slot : vkScancodes[vk])
                {
                    if (slot == scancode)
                        return;
                    if (slot == SDL_SCANCODE_UNKNOWN)
                    {
                        slot = scancode;
                        return;
                    }
                }
            };
            for (std::size_t i = 0; i < count; ++i)
            {
                const SDL_Scancode scancode = SDL_GetScancodeFromKey(entries[i].key);
                if (scancode == SDL_SCANCODE_UNKNOWN)
                    continue;
                int numbers[2];
                const int count = SDLKeyTable::HeldAs(entries[i].key, numbers);
                for (int n = 0; n < count; ++n)
                    add(numbers[n], scancode);
            }
            scancodeMapStale = false;
        }

        bool SDLBackend::IsKeyDown(int vk)
        {
            if (vk <= 0 || vk > 255 || !StartVideo())
                return false;
            if (vk == VK::LButton || vk == VK::RButton || vk == VK::MButton)
            {
                // The global state, so a button held outside the window still counts.
                // It costs a round trip to the X server; readers ask for the three
                // buttons several times a frame, so one reading serves a millisecond.
                const Uint64 now = SDL_GetTicks64();
                if (now != mouseButtonsTime || !mouseButtonsRead)
                {
                    mouseButtons = SDL_GetGlobalMouseState(nullptr, nullptr);
                    mouseButtonsTime = now;
                    mouseButtonsRead = true;
                }
                const Uint32 buttons = mouseButtons;
                const Uint32 mask = vk == VK::LButton   ? SDL_BUTTON_LMASK
                                    : vk == VK::RButton ? SDL_BUTTON_RMASK
                                                        : SDL_BUTTON_MMASK;
                return (buttons & mask) != 0;
            }
            if (scancodeMapStale)
                BuildScancodeMap();
            int stateCount = 0;
            const Uint8* state = SDL_GetKeyboardState(&stateCount);
            for (SDL_Scancode scancode : vkScancodes[vk])
            {
                if (scancode == SDL_SCANCODE_UNKNOWN)
                    break;
                if (scancode < stateCount && state[scancode])
                    return true;
            }
            return false;
        }

        bool SDLBackend::GetCursorPos(int& x, int& y)
        {
            x = 0;
            y = 0;
            if (windows.empty() || !windows.back()->GetNative())
                return false;
            SDL_Window* native = windows.back()->GetNative();
            // Over the window, the position of the last pumped mouse event:
            // the global state can trail the events by one move.
            if (SDL_GetMouseFocus() == native)
            {
                SDL_GetMouseState(&x, &y);
                return true;
            }
            int globalX = 0, globalY = 0, windowX = 0, windowY = 0;
            SDL_GetGlobalMouseState(&globalX, &globalY);
            SDL_GetWindowPosition(native, &windowX, &windowY);
            x = globalX - windowX;
            y = globalY - windowY;
            return true;
        }

        CursorHandle SDLBackend::Keep(SDL_Cursor* cursor)
        {
            cursors.push_back(cursor);
            return static_cast<CursorHandle>(cursors.size());
        }

        CursorHandle SDLBackend::LoadCursorFile(const std::string& path)
        {
            std::string file = path;
            std::replace(file.begin(), file.end(), '\\', '/');
            CursorImage image;
            std::string error;
            if (!CursorFile::Load(file, image, error))
            {
                std::fprintf(stderr, "Cursor \"%s\": %s\n", file.c_str(), error.c_str());
                return 0;
            }
            if (!StartVideo())
            {
                std::fprintf(stderr, "Cursor \"%s\": no video to make a cursor with\n", file.c_str());
                return 0;
            }
            SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(image.rgba.data(), image.width, image.height,
                                                                      32, image.width * 4, SDL_PIXELFORMAT_RGBA32);
            SDL_Cursor* cursor = surface ? SDL_CreateColorCursor(surface, image.hotX, image.hotY) : nullptr;
            if (surface)
                SDL_FreeSurface(surface);
            if (!cursor)
            {
                std::fprintf(stderr, "Cursor \"%s\": cannot be made (%s)\n", file.c_str(), SDL_GetError());
                return 0;
            }
            return Keep(cursor);
        }

        CursorHandle SDLBackend::GetSystemCursor(SystemCursor kind)
        {
            const int index = static_cast<int>(kind);
            if (index < 0 || index >= 5)
                return 0;
            if (systemCursors[index] != 0)
                return systemCursors[index];
            if (!StartVideo())
                return 0;
            static const SDL_SystemCursor ids[5] = {SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_SIZEWE,
                                                    SDL_SYSTEM_CURSOR_SIZENS, SDL_SYSTEM_CURSOR_SIZENWSE,
                                                    SDL_SYSTEM_CURSOR_SIZENESW};
            SDL_Cursor* cursor = SDL_CreateSystemCursor(ids[index]);
            if (!cursor)
            {
                std::fprintf(stderr, "Platform: no system cursor %d (%s)\n", index, SDL_GetError());
                return 0;
            }
            systemCursors[index] = Keep(cursor);
            return systemCursors[index];
        }

        void SDLBackend::SetCursor(CursorHandle cursor)
        {
            if (cursor <= 0 || static_cast<std::size_t>(cursor) > cursors.size())
                return;
            SDL_SetCursor(cursors[cursor - 1]);
        }

        bool SDLBackend::GetGamepadState(int index, GamepadState& state)
        {
            return gamepads.GetState(index, state);
        }
    }
}
