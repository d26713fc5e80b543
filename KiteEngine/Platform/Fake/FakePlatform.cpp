// FakePlatform: scripted events and key state for tests.
#include "Platform/Fake/FakePlatform.h"

namespace KiteFramework
{
    namespace Platform
    {
        FakePlatform::FakePlatform() = default;

        FakePlatform::~FakePlatform()
        {
            if (lastWindow)
                lastWindow->owner = nullptr;
        }

        void FakePlatform::GetDesktopSize(int& width, int& height)
        {
            width = desktopWidth;
            height = desktopHeight;
        }

        std::unique_ptr<Window> FakePlatform::CreateWindow(const std::string& title, int width, int height,
                                                           bool fullScreen)
        {
            if (failWindowCreation)
                return nullptr;
            ++windowsCreated;
            auto window = std::make_unique<FakeWindow>(this, width, height, fullScreen);
            window->title = title;
            lastWindow = window.get();
            return window;
        }

        bool FakePlatform::PollEvent(Event& event)
        {
            if (events.empty())
                return false;
            event = events.front();
            events.pop_front();
            return true;
        }

        bool FakePlatform::IsKeyDown(int vk)
        {
            return keysDown.count(vk) != 0;
        }

        bool FakePlatform::GetCursorPos(int& x, int& y)
        {
            x = cursorX;
            y = cursorY;
            return true;
        }

        CursorHandle FakePlatform::LoadCursorFile(const std::string& path)
        {
            loadedCursorFiles.push_back(path);
            return static_cast<CursorHandle>(100 + loadedCursorFiles.size());
        }

        CursorHandle FakePlatform::GetSystemCursor(SystemCursor kind)
        {
            return static_cast<CursorHandle>(1 + static_cast<int>(kind));
        }

        void FakePlatform::SetCursor(CursorHandle cursor)
        {
            currentCursor = cursor;
        }

        bool FakePlatform::GetGamepadState(int index, GamepadState& state)
        {
            return false;
        }

        void FakePlatform::PushKey(EventType type, int vk, bool alt)
        {
            Event e;
            e.type = type;
            e.vk = vk;
            e.alt = alt;
            events.push_back(e);
        }

        void FakePlatform::PushMouse(EventType type, int x, int y, int button)
        {
            Event e;
            e.type = type;
            e.x = x;
            e.y = y;
            e.button = button;
            events.push_back(e);
        }

        void FakePlatform::SetKeyDown(int vk, bool down)
        {
            if (down)
            {
                if (keysDown.insert(vk).second)
                    NoteWentDown(vk);
            }
            else
                keysDown.erase(vk);
        }

        FakeWindow::FakeWindow(FakePlatform* owner_, int width_, int height_, bool fullScreen_)
            : owner(owner_), width(width_), height(height_), fullScreen(fullScreen_)
        {
        }

        FakeWindow::~FakeWindow()
        {
            if (owner && owner->lastWindow == this)
                owner->lastWindow = nullptr;
        }

        bool FakeWindow::CreateGLContext()
        {
            return owner ? !owner->failGLContext : false;
        }
    }
}
