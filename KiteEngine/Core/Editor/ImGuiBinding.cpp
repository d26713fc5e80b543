// The GUI binding: platform half on the engine's platform layer, renderer
// half on the GUI library's own OpenGL 3 renderer.
#include "Core/Editor/ImGuiBinding.h"

#include <cfloat>
#include <deque>

#include <imgui.h>
#include <backends/imgui_impl_opengl3.h>

#include "Core/Editor/Editor.h"
#include "Core/Engine/Engine.h"
#include "Platform/Platform.h"
#include "Platform/VirtualKeys.h"

namespace KiteFramework
{
    namespace
    {
        struct QueuedInput
        {
            bool isKey = true;
            int vk = 0;
            bool down = false;
            unsigned int codepoint = 0;
        };

        // Beyond this many waiting events (no GUI frames are being made) the
        // oldest are applied at once.
        constexpr std::size_t kMaxQueued = 512;

        struct BindingState
        {
            Platform::Window** window = nullptr;
            bool renderer = false;
            bool deviceObjects = false;
            bool focused = true;
            // Presses seen since the last frame, so a click shorter than a
            // frame still reaches the GUI; held follows the down and up events.
            bool mousePressed[3] = {false, false, false};
            bool mouseHeld[3] = {false, false, false};
            float mouseWheel = 0.0f;
            // Keys and characters in the order they came, handed to the GUI
            // at the next frame. A release that follows a press of the same
            // frame waits for the frame after, and so does everything behind
            // it: a quick Ctrl+A (often with Control released first) is seen
            // as the combination, and a letter typed after Control went up
            // is seen without Control.
            std::deque<QueuedInput> queued;
        };

        BindingState& State()
        {
            static BindingState state;
            return state;
        }

        bool HasContext()
        {
            return ImGui::GetCurrentContext() != nullptr;
        }

        const char* NoClipboard(void*)
        {
            return "";
        }

        void IgnoreClipboard(void*, const char*)
        {
        }

        void UpdateModifiers()
        {
            ImGuiIO& io = ImGui::GetIO();
            io.KeyCtrl = io.KeysDown[VK::Control];
            io.KeyShift = io.KeysDown[VK::Shift];
            io.KeyAlt = io.KeysDown[VK::Menu];
        }

        void Apply(const QueuedInput& in)
        {
            ImGuiIO& io = ImGui::GetIO();
            if (!in.isKey)
                io.AddInputCharacter(in.codepoint);
            else if (in.vk >= 0 && in.vk < static_cast<int>(IM_ARRAYSIZE(io.KeysDown)))
                io.KeysDown[in.vk] = in.down;
        }

        void Queue(const QueuedInput& in)
        {
            BindingState& s = State();
            if (s.queued.size() >= kMaxQueued)
            {
                Apply(s.queued.front());
                s.queued.pop_front();
                UpdateModifiers();
            }
            s.queued.push_back(in);
        }

        void SetKey(int vk, bool down)
        {
            QueuedInput in;
            in.vk = vk;
            in.down = down;
            Queue(in);
        }

        void AddCharacter(unsigned int c)
        {
            QueuedInput in;
            in.isKey = false;
            in.codepoint = c;
            Queue(in);
        }

        // Called before each GUI frame: hands over the waiting events up to
        // the first release that must wait for the next frame.
        void SettleKeys()
        {
            BindingState& s = State();
            bool pressed = false;
            while (!s.queued.empty())
            {
                const QueuedInput& in = s.queued.front();
                if (in.isKey && !in.down && pressed)
                    break;
                if (in.isKey && in.down)
                    pressed = true;
                Apply(in);
                s.queued.pop_front();
            }
            UpdateModifiers();
        }

        // Keys held when the window loses focus would otherwise stay down.
        void ReleaseEverything()
        {
            ImGuiIO& io = ImGui::GetIO();
            for (bool& key : io.KeysDown)
                key = false;
            State().queued.clear();
            io.KeyCtrl = io.KeyShift = io.KeyAlt = io.KeySuper = false;
            for (int i = 0; i < 3; ++i)
                State().mouseHeld[i] = State().mousePressed[i] = false;
        }

        void MouseButton(int button, bool down)
        {
            if (button < 0 || button > 2)
                return;
            State().mouseHeld[button] = down;
            if (down)
                State().mousePressed[button] = true;
        }

        bool EditorOn()
        {
            return ENGINE && ENGINE->GetEngineStatus(ES_EDITORVIEW);
        }

        bool TextFieldHasKeyboard()
        {
            return HasContext() && ImGui::GetIO().WantTextInput;
        }

        void LeftButton(bool down)
        {
            Editor* editor = ENGINE ? ENGINE->GetEditor() : nullptr;
            if (!editor)
                return;
            if (!down)
            {
                editor->SetMouseClick(false);
                return;
            }
            // Picking is the editor's only while it is on.
            if (!EditorOn())
                return;
            editor->SetMouseClick(true);
            editor->MouseToWorld();
        }
    }

    bool ImGui_ImplGlfwGL3_Init(bool)
    {
        if (!HasContext())
            ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.BackendPlatformName = "kite_platform";
        const int keys[][2] = {
            {ImGuiKey_Tab, VK::Tab},         {ImGuiKey_LeftArrow, VK::Left},   {ImGuiKey_RightArrow, VK::Right},
            {ImGuiKey_UpArrow, VK::Up},      {ImGuiKey_DownArrow, VK::Down},   {ImGuiKey_PageUp, VK::Prior},
            {ImGuiKey_PageDown, VK::Next},   {ImGuiKey_Home, VK::Home},        {ImGuiKey_End, VK::End},
            {ImGuiKey_Insert, VK::Insert},   {ImGuiKey_Delete, VK::Delete},    {ImGuiKey_Backspace, VK::Back},
            {ImGuiKey_Space, VK::Space},     {ImGuiKey_Enter, VK::Return},     {ImGuiKey_Escape, VK::Escape},
            {ImGuiKey_KeyPadEnter, VK::Return}, {ImGuiKey_A, 'A'},             {ImGuiKey_C, 'C'},
            {ImGuiKey_V, 'V'},               {ImGuiKey_X, 'X'},                {ImGuiKey_Y, 'Y'},
            {ImGuiKey_Z, 'Z'}};
        for (const auto& key : keys)
            io.KeyMap[key[0]] = key[1];
        io.GetClipboardTextFn = NoClipboard;
        io.SetClipboardTextFn = IgnoreClipboard;
        io.ClipboardUserData = nullptr;
        // The engine's fixed step.
        io.DeltaTime = 1.0f / 60.0f;
        State().focused = true;
        return true;
    }

    void ImGui_ImplGlfwGL3_SetWindow(Platform::Window** window)
    {
        State().window = window;
    }

    bool ImGui_ImplGlfwGL3_HasRenderer()
    {
        return State().renderer;
    }

    bool ImGui_ImplGlfwGL3_CreateDeviceObjects()
    {
        if (!HasContext())
            return false;
        BindingState& s = State();
        if (!s.renderer)
            s.renderer = ImGui_ImplOpenGL3_Init("#version 330");
        if (s.renderer && !s.deviceObjects)
            s.deviceObjects = ImGui_ImplOpenGL3_CreateDeviceObjects();
        return s.deviceObjects;
    }

    void ImGui_ImplGlfwGL3_InvalidateDeviceObjects()
    {
        BindingState& s = State();
        if (s.deviceObjects)
            ImGui_ImplOpenGL3_DestroyDeviceObjects();
        s.deviceObjects = false;
    }

    void ImGui_ImplGlfwGL3_NewFrame()
    {
        if (!HasContext())
            return;
        BindingState& s = State();
        ImGuiIO& io = ImGui::GetIO();
        if (s.renderer)
            ImGui_ImplOpenGL3_NewFrame();
        else if (!io.Fonts->IsBuilt())
        {
            // Without a renderer the atlas is still needed to lay text out.
            unsigned char* pixels = nullptr;
            int w = 0;
            int h = 0;
            io.Fonts->GetTexDataAsRGBA32(&pixels, &w, &h);
        }

        int width = 0;
        int height = 0;
        Platform::Window* window = s.window ? *s.window : nullptr;
        if (window)
            window->GetClientSize(width, height);
        io.DisplaySize = ImVec2(static_cast<float>(width), static_cast<float>(height));
        io.DisplayFramebufferScale = ImVec2(1.0f, 1.0f);
        io.DeltaTime = 1.0f / 60.0f;

        int x = 0;
        int y = 0;
        if (s.focused && window && Platform::IsInstalled() && Platform::Get().GetCursorPos(x, y))
            io.MousePos = ImVec2(static_cast<float>(x), static_cast<float>(y));
        else
            io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);

        for (int i = 0; i < 3; ++i)
        {
            io.MouseDown[i] = s.mousePressed[i] || s.mouseHeld[i];
            s.mousePressed[i] = false;
        }
        io.MouseWheel = s.mouseWheel;
        s.mouseWheel = 0.0f;
        SettleKeys();
        ImGui::NewFrame();
    }

    void ImGui_ImplGlfwGL3_Render()
    {
        if (!HasContext())
            return;
        ImGui::Render();
        ImDrawData* data = ImGui::GetDrawData();
        // A minimised window (client size 0) draws nothing.
        if (!State().renderer || !data || data->DisplaySize.x <= 0.0f || data->DisplaySize.y <= 0.0f)
            return;
        ImGui_ImplOpenGL3_RenderDrawData(data);
    }

    void ImGui_ImplGlfwGL3_Shutdown()
    {
        BindingState& s = State();
        if (s.renderer && HasContext())
            ImGui_ImplOpenGL3_Shutdown();
        s.renderer = false;
        s.deviceObjects = false;
        if (HasContext())
            ImGui::DestroyContext();
        s = BindingState();
    }

    namespace
    {
        unsigned long eventsSeen = 0;
    }

    unsigned long ImGui_ImplGlfwGL3_EventsSeen()
    {
        return eventsSeen;
    }

    bool ImGui_ImplGlfwGL3_WindowsEventWrap(const Platform::Event& event)
    {
        using Platform::EventType;
        ++eventsSeen;
        if (!HasContext())
            return false;
        // Asked before the event changes anything: a key that ends the
        // text entry (Enter, Escape) still belongs to the field.
        const bool typing = TextFieldHasKeyboard();
        switch (event.type)
        {
        case EventType::KeyDown:
            SetKey(event.vk, true);
            return typing;
        case EventType::KeyUp:
            SetKey(event.vk, false);
            return typing;
        case EventType::Character:
            ImGui_ImplGlfwGL3_CharCallback(event.codepoint);
            return typing;
        case EventType::MouseDown:
            MouseButton(event.button, true);
            if (event.button == 0)
                LeftButton(true);
            return false;
        case EventType::MouseUp:
            MouseButton(event.button, false);
            if (event.button == 0)
                LeftButton(false);
            return false;
        case EventType::Wheel:
            ImGui_ImplGlfwGL3_ScrollCallback(0.0, event.wheelY);
            return false;
        case EventType::FocusLost:
            State().focused = false;
            ReleaseEverything();
            return false;
        case EventType::FocusGained:
            State().focused = true;
            return false;
        default:
            return false;
        }
    }

    void ImGui_ImplGlfwGL3_KeyCallback(int key, int, int action, int)
    {
        if (HasContext())
            SetKey(key, action != 0);
    }

    void ImGui_ImplGlfwGL3_CharCallback(unsigned int c)
    {
        if (HasContext() && c > 0 && c < 0x10000)
            AddCharacter(c);
    }

    void ImGui_ImplGlfwGL3_ScrollCallback(double, double yoffset)
    {
        if (yoffset > 0.0)
            State().mouseWheel += 1.0f;
        else if (yoffset < 0.0)
            State().mouseWheel -= 1.0f;
    }

    void ImGui_ImplGlfwGL3_MouseButtonCallback(int button, int action, int)
    {
        MouseButton(button, action != 0);
    }
}
