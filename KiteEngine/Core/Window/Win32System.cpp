// Win32System: the window, its event pump and the window procedure.
#include "Core/Window/Win32System.h"

#include <deque>
#include <iostream>

#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Platform/VirtualKeys.h"

namespace KiteFramework
{
    Win32System* WINDOWSSYSTEM = nullptr;

    namespace
    {
        // Window slots live as long as the process: the graphics system keeps
        // the address of one and may read it after the window system is gone.
        Platform::Window** NewWindowSlot()
        {
            static std::deque<Platform::Window*> slots;
            slots.push_back(nullptr);
            return &slots.back();
        }

        bool Playing()
        {
            return ENGINE && ENGINE->GetEngineStatus(ES_GAMEPLAYING);
        }

        bool EditorView()
        {
            return ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW);
        }

        void Broadcast(Message& message)
        {
            if (ENGINE)
                ENGINE->BroadcastMessage(&message);
        }

        void ResizeGraphics(int width, int height)
        {
            if (GRAPHICS)
                GRAPHICS->Resize(width, height);
        }

        void RequestLevel(const char* name)
        {
            if (SCENEMNGR)
                SCENEMNGR->LoadLevel(name);
        }

        void MoveSpeedIndicator(float x, float y)
        {
            if (!FACTORY)
                return;
            GameObject* indicator = FACTORY->FindObjByName("SpeedIndicator");
            if (!indicator)
                return;
            if (Transform* transform = indicator->GetComponent<Transform>())
                transform->SetTrans(x, y);
        }
    }

    Win32System::Win32System(const char* title, int width, int height)
        : System(ST_Win32System), title_(title ? title : ""), width_(width), height_(height),
          window_(NewWindowSlot())
    {
        ClaimGlobal(WINDOWSSYSTEM, this);

        Platform::Backend& platform = Platform::Get();
        int desktopWidth = 0;
        int desktopHeight = 0;
        platform.GetDesktopSize(desktopWidth, desktopHeight);

        std::string caption = title ? title : "";
        if (caption.empty())
        {
            if (ENGINE)
                ENGINE->logMessage("Failed to Register Window!");
            std::cerr << "Failed to Register Window!" << std::endl;
        }
        else
        {
            // The editor works in an ordinary window; the game covers the desktop.
            bool full = !EditorView();
            ownedWindow_ = platform.CreateWindow(caption, desktopWidth, desktopHeight, full);
            *window_ = ownedWindow_.get();
            if (!*window_)
            {
                if (ENGINE)
                    ENGINE->logMessage("Failed to Create Window!");
                std::cerr << "Failed to Create Window!" << std::endl;
            }
            else
            {
                fullScreen_ = full;
            }
            // The bit says what the window really is.
            if (ENGINE)
                ENGINE->SetEngineStatus(ES_FULLSCREEN, fullScreen_);
        }

        defaultCursor_ = platform.LoadCursorFile(Assets::Resolve("Sprites/UI/Cursor_Default.cur"));
        pressedCursor_ = platform.LoadCursorFile(Assets::Resolve("Sprites/UI/Cursor_Pressed.cur"));
        arrowCursor_ = platform.GetSystemCursor(Platform::SystemCursor::Arrow);
        SetCursor(defaultCursor_);
    }

    Win32System::~Win32System()
    {
        ReleaseGlobal(WINDOWSSYSTEM, this);
        // Systems deleted after this one (graphics) still use the window.
        Platform::RetainWindow(std::move(ownedWindow_));
    }

    void Win32System::ActivateWindow()
    {
        if (ENGINE)
            ENGINE->logMessage("System: Win32System initialised.");
        if (!*window_)
            return;
        (*window_)->Show();
        int w = 0;
        int h = 0;
        (*window_)->GetClientSize(w, h);
        ResizeGraphics(w, h);
    }

    void Win32System::ToggleFullScreen()
    {
        if (!*window_)
            return;
        fullScreen_ = !fullScreen_;
        (*window_)->SetFullScreen(fullScreen_);
    }

    void Win32System::Update()
    {
        Platform::Backend& platform = Platform::Get();
        Platform::Event event;
        while (platform.PollEvent(event))
            WndProc(event);
        if (quitPosted_)
        {
            quitPosted_ = false;
            MessageQuit quit;
            Broadcast(quit);
        }
    }

    Vector2D Win32System::GetMousePos() const
    {
        return Vector2D(static_cast<float>(mouseX_ - width_ / 2), static_cast<float>(mouseY_ - height_ / 2));
    }

    void Win32System::SetCursor(Platform::CursorHandle cursor)
    {
        if (cursor)
            Platform::Get().SetCursor(cursor);
    }

    void Win32System::WndProc(const Platform::Event& event)
    {
        using Platform::EventType;
        const bool isKey = event.type == EventType::KeyDown || event.type == EventType::KeyUp ||
                           event.type == EventType::Character;
        if (eventHook_ && eventHook_(event) && isKey)
            return;
        switch (event.type)
        {
        case EventType::Quit:
        case EventType::Close:
            if (ENGINE)
                ENGINE->logMessage("Closing Kite...\n");
            PostQuit();
            break;
        case EventType::Resize:
            if (ENGINE && ENGINE->GetEngineStatus(ES_INITIALISED))
                ResizeGraphics(event.width, event.height);
            break;
        case EventType::FocusLost:
        {
            ALTTAB pause;
            Broadcast(pause);
            break;
        }
        case EventType::FocusGained:
            OnActivate();
            break;
        case EventType::KeyDown:
            if (event.vk == VK::F4 && event.alt)
                PostQuit();
            break;
        case EventType::KeyUp:
            OnKeyUp(event.vk);
            break;
        case EventType::Character:
        {
            MessageCharacterKey key(static_cast<int>(event.codepoint));
            Broadcast(key);
            break;
        }
        case EventType::MouseMove:
        {
            mouseX_ = static_cast<std::int16_t>(event.x);
            mouseY_ = static_cast<std::int16_t>(event.y);
            // The game's cursor over the client area while the game plays;
            // otherwise the arrow, but only once the textures are in.
            if (Playing() && !EditorView())
                SetCursor(defaultCursor_);
            else if (GRAPHICS && GRAPHICS->texturesLoaded)
                SetCursor(arrowCursor_);
            MouseMove move(Vector2D(mouseX_, mouseY_));
            Broadcast(move);
            break;
        }
        case EventType::MouseDown:
        case EventType::MouseUp:
        {
            if (event.button != 0 && event.button != 1)
                break;
            bool pressed = event.type == EventType::MouseDown;
            auto index = event.button == 0 ? MouseButton::LeftMouse : MouseButton::RightMouse;
            // Buttons carry the position of the last move, not their own.
            MouseButton button(index, pressed, Vector2D(mouseX_, mouseY_));
            Broadcast(button);
            if (event.button == 0 && Playing())
                SetCursor(pressed ? pressedCursor_ : defaultCursor_);
            break;
        }
        default:
            break;
        }
    }

    void Win32System::OnActivate()
    {
        Platform::Backend& platform = Platform::Get();
        bool alt = platform.IsKeyDown(VK::Menu);
        bool tab = platform.IsKeyDown(VK::Tab);
        bool ctrl = platform.IsKeyDown(VK::Control);
        bool shift = platform.IsKeyDown(VK::Shift);
        bool escape = platform.IsKeyDown(VK::Escape);
        if (!*window_ || !((alt && tab) || (ctrl && shift && escape)))
            return;
        if ((*window_)->IsMinimised())
            (*window_)->Show();
        else
            (*window_)->Minimise();
    }

    void Win32System::OnKeyUp(int vk)
    {
        switch (vk)
        {
        case VK::Control:
        case VK::Delete:
        {
            MessageCharacterKey key(vk);
            Broadcast(key);
            break;
        }
        case VK::Escape:
            if (Playing())
            {
                ALTTAB pause;
                Broadcast(pause);
            }
            break;
        case VK::Up:
            ChangeSpeed(true);
            break;
        case VK::Down:
            ChangeSpeed(false);
            break;
        // The game's level hot keys; in the editor, only while it plays (a
        // scene being edited is changed only through the editor's menus).
        case VK::F9:
            if (Playing() || !EditorView())
                RequestLevel("Level2");
            break;
        case VK::F11:
            if (Playing() || !EditorView())
                RequestLevel("Level1");
            break;
        default:
            break;
        }
    }

    void Win32System::ChangeSpeed(bool faster)
    {
        if (!ENGINE)
            return;
        float factor = ENGINE->GetTimeFactor();
        if (faster)
        {
            if (factor < 4.0f)
                ENGINE->SetTimeFactor(factor * 2.0f);
        }
        else if (factor > 1.0f)
        {
            ENGINE->SetTimeFactor(factor / 2.0f);
        }
        factor = ENGINE->GetTimeFactor();
        if (factor == 4.0f && faster)
            MoveSpeedIndicator(735.0f, 427.5f);
        else if (factor == 2.0f)
            MoveSpeedIndicator(700.0f, 427.5f);
        else if (factor == 1.0f && !faster)
            MoveSpeedIndicator(665.0f, 427.5f);
    }

    void GetCursorPos(int& x, int& y)
    {
        x = 0;
        y = 0;
        if (Platform::IsInstalled())
            Platform::Get().GetCursorPos(x, y);
    }

    void GetCursorPos(float& x, float& y)
    {
        int ix = 0;
        int iy = 0;
        GetCursorPos(ix, iy);
        x = static_cast<float>(ix);
        y = static_cast<float>(iy);
    }
}
