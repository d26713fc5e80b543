// FakePlatform: a back end without a display for tests. Tests queue events,
// hold keys down and read back what the engine asked of the window.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "Platform/Platform.h"

namespace KiteFramework
{
    namespace Platform
    {
        class FakeWindow;

        class FakePlatform : public Backend
        {
        public:
            FakePlatform();
            ~FakePlatform() override;

            void GetDesktopSize(int& width, int& height) override;
            std::unique_ptr<Window> CreateWindow(const std::string& title, int width, int height,
                                                 bool fullScreen) override;
            bool PollEvent(Event& event) override;
            bool IsKeyDown(int vk) override;
            bool GetCursorPos(int& x, int& y) override;
            CursorHandle LoadCursorFile(const std::string& path) override;
            CursorHandle GetSystemCursor(SystemCursor kind) override;
            void SetCursor(CursorHandle cursor) override;
            bool GetGamepadState(int index, GamepadState& state) override;

            // Test controls.
            void Push(const Event& event) { events.push_back(event); }
            void PushKey(EventType type, int vk, bool alt = false);
            void PushMouse(EventType type, int x, int y, int button = 0);
            void SetKeyDown(int vk, bool down);

            std::deque<Event> events;
            std::set<int> keysDown;
            int cursorX = 0;
            int cursorY = 0;
            int desktopWidth = 1920;
            int desktopHeight = 1080;
            bool failWindowCreation = false;
            bool failGLContext = true;
            CursorHandle currentCursor = 0;
            std::vector<std::string> loadedCursorFiles;
            int windowsCreated = 0;
            FakeWindow* lastWindow = nullptr;
        };

        class FakeWindow : public Window
        {
        public:
            FakeWindow(FakePlatform* owner, int width, int height, bool fullScreen);
            ~FakeWindow() override;

            void Show() override { shown = true; minimised = false; }
            void Minimise() override { minimised = true; }
            void Restore() override { minimised = false; }
            bool IsMinimised() const override { return minimised; }
            void SetFullScreen(bool full) override { fullScreen = full; }
            bool IsFullScreen() const override { return fullScreen; }
            void GetClientSize(int& w, int& h) const override { w = width; h = height; }
            void SetTitle(const std::string& t) override { title = t; }
            bool CreateGLContext() override;
            bool MakeCurrent() override { return false; }
            void SwapBuffers() override { ++swaps; }

            FakePlatform* owner;
            int width;
            int height;
            bool fullScreen;
            bool shown = false;
            bool minimised = false;
            int swaps = 0;
            std::string title;
        };
    }
}
