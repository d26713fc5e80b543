// Win32System: owns the game window, pumps its events every frame and turns
// them into engine messages in its window procedure.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "Core/Engine/System.h"
#include "Core/Math/Vector2D.h"
#include "Platform/Platform.h"

namespace KiteFramework
{
    class Win32System : public System
    {
    public:
        Win32System(const char* title, int width, int height);
        ~Win32System() override;

        void Initialise() override {}
        void Update() override;
        void SendMessage(Message* message) override {}

        void ActivateWindow();
        void ToggleFullScreen();
        // (x - width / 2, y - height / 2) of the last mouse move, in client
        // pixels with y growing downwards.
        Vector2D GetMousePos() const;

        // The window procedure: every event either pump takes comes here.
        void WndProc(const Platform::Event& event);
        // Sees every event first (the editor's GUI); returning true keeps the
        // window procedure's own key handling away from that event.
        using EventHook = std::function<bool(const Platform::Event&)>;
        void SetEventHook(EventHook hook) { eventHook_ = std::move(hook); }
        // A quit was posted (window closed, Alt+F4, the application asked to
        // end); the next Update broadcasts the quit message.
        void PostQuit() { quitPosted_ = true; }
        bool IsQuitPosted() const { return quitPosted_; }

        bool HasWindow() const { return *window_ != nullptr; }
        Platform::Window* GetWindow() const { return *window_; }
        // The graphics system keeps this address and reaches the window
        // through it; the address and the window stay valid after this
        // system is deleted, until the process ends.
        Platform::Window** GetWindowHandleAddress() { return window_; }
        bool IsFullScreen() const { return fullScreen_; }
        // The title the window was made with.
        const std::string& GetTitle() const { return title_; }
        int GetWidth() const { return width_; }
        int GetHeight() const { return height_; }

    private:
        void OnKeyUp(int vk);
        void OnActivate();
        void ChangeSpeed(bool faster);
        void SetCursor(Platform::CursorHandle cursor);

        bool fullScreen_ = false;
        std::string title_;
        int width_;
        int height_;
        std::unique_ptr<Platform::Window> ownedWindow_;
        Platform::Window** window_;
        std::int16_t mouseX_ = 0;
        std::int16_t mouseY_ = 0;
        Platform::CursorHandle defaultCursor_ = 0;
        Platform::CursorHandle pressedCursor_ = 0;
        Platform::CursorHandle arrowCursor_ = 0;
        bool quitPosted_ = false;
        EventHook eventHook_;
    };

    extern Win32System* WINDOWSSYSTEM;
}
