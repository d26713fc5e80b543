// The GUI binding: feeds the GUI library the window's input from the
// engine's platform layer and draws its frames with OpenGL. Supports
// keys (virtual-key numbers), characters, mouse buttons and wheel, focus and
// the cursor position; no clipboard, no gamepad navigation, no multiple
// viewports. The names keep the prefix the editor has always called.
#pragma once

namespace KiteFramework
{
    namespace Platform
    {
        class Window;
        struct Event;
    }

    // Makes the GUI context and fills the key map. The window is read through
    // the pointer at every frame; with a current OpenGL context the renderer
    // is set up as well, otherwise frames are built but never drawn.
    bool ImGui_ImplGlfwGL3_Init(bool installCallbacks);
    void ImGui_ImplGlfwGL3_SetWindow(Platform::Window** window);
    // Whether frames are drawn (a renderer exists).
    bool ImGui_ImplGlfwGL3_HasRenderer();
    void ImGui_ImplGlfwGL3_NewFrame();
    // Ends the frame and draws it (when there is a renderer).
    void ImGui_ImplGlfwGL3_Render();
    // Frees the renderer and the context; safe to call twice.
    void ImGui_ImplGlfwGL3_Shutdown();
    bool ImGui_ImplGlfwGL3_CreateDeviceObjects();
    void ImGui_ImplGlfwGL3_InvalidateDeviceObjects();

    // Every window event passes through here first. Returns true for a key
    // or character event while a text field has the keyboard, so that the
    // window procedure does not act on it too.
    bool ImGui_ImplGlfwGL3_WindowsEventWrap(const Platform::Event& event);
    // How many window events have passed through so far: the editor draws
    // again when this changes.
    unsigned long ImGui_ImplGlfwGL3_EventsSeen();

    void ImGui_ImplGlfwGL3_KeyCallback(int key, int scancode, int action, int mods);
    void ImGui_ImplGlfwGL3_CharCallback(unsigned int c);
    void ImGui_ImplGlfwGL3_ScrollCallback(double xoffset, double yoffset);
    void ImGui_ImplGlfwGL3_MouseButtonCallback(int button, int action, int mods);
}
