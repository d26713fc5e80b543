// The platform layer: window, OpenGL context, events, key and mouse state,
// cursors and gamepads behind one interface. The engine talks only to this;
// Platform/SDL holds the real back end and Platform/Fake the one tests use.
#pragma once

#include <memory>
#include <string>

namespace KiteFramework
{
    namespace Platform
    {
        enum class EventType
        {
            None,
            Quit,        // the application is asked to end (window manager, signal)
            Close,       // the window was closed: the window procedure's "destroy"
            FocusLost,
            FocusGained, // also the "activate application" notification
            Resize,      // width, height: the new client size
            MouseMove,   // x, y: client pixels
            MouseDown,   // button: 0 left, 1 right, 2 middle; x, y
            MouseUp,
            KeyDown,     // vk, repeat, alt
            KeyUp,       // vk, alt
            Character,   // codepoint
            Wheel        // wheelX, wheelY
        };

        struct Event
        {
            EventType type = EventType::None;
            int x = 0;
            int y = 0;
            int button = 0;
            int vk = 0;
            bool repeat = false;
            bool alt = false;
            unsigned codepoint = 0;
            float wheelX = 0.0f;
            float wheelY = 0.0f;
            int width = 0;
            int height = 0;
        };

        struct GamepadState
        {
            unsigned short buttons = 0;
            unsigned char leftTrigger = 0;
            unsigned char rightTrigger = 0;
            short thumbLX = 0;
            short thumbLY = 0;
            short thumbRX = 0;
            short thumbRY = 0;
        };

        // Bits of GamepadState::buttons.
        namespace GamepadButton
        {
            enum : unsigned short
            {
                DPadUp = 0x0001,
                DPadDown = 0x0002,
                DPadLeft = 0x0004,
                DPadRight = 0x0008,
                Start = 0x0010,
                Back = 0x0020,
                LeftThumb = 0x0040,
                RightThumb = 0x0080,
                LeftShoulder = 0x0100,
                RightShoulder = 0x0200,
                A = 0x1000,
                B = 0x2000,
                X = 0x4000,
                Y = 0x8000
            };
        }

        enum class SystemCursor
        {
            Arrow,
            SizeWE,
            SizeNS,
            SizeNWSE,
            SizeNESW
        };

        // An opaque cursor handle; 0 is "no cursor".
        using CursorHandle = int;

        class Window
        {
        public:
            virtual ~Window() = default;

            virtual void Show() = 0;
            virtual void Minimise() = 0;
            virtual void Restore() = 0;
            virtual bool IsMinimised() const = 0;
            // Borderless and covering its monitor; false restores the
            // windowed placement saved when it went full screen.
            virtual void SetFullScreen(bool fullScreen) = 0;
            virtual bool IsFullScreen() const = 0;
            virtual void GetClientSize(int& width, int& height) const = 0;
            virtual void SetTitle(const std::string& title) = 0;

            // OpenGL 3.3+ compatibility profile, double buffer, depth 24,
            // stencil 8, swap interval 0. False when no context can be made.
            virtual bool CreateGLContext() = 0;
            virtual bool MakeCurrent() = 0;
            virtual void SwapBuffers() = 0;
        };

        // A key's asynchronous state as a once-a-frame sampler reads it.
        struct KeyQuery
        {
            bool down = false;
            // Went down since the previous query of this key, even if it is
            // up again: a tap shorter than a frame is not lost.
            bool pressedSinceLastQuery = false;
        };

        class Backend
        {
        public:
            virtual ~Backend() = default;

            virtual void GetDesktopSize(int& width, int& height) = 0;
            // Null when no window can be made (a message says why).
            virtual std::unique_ptr<Window> CreateWindow(const std::string& title, int width, int height,
                                                         bool fullScreen) = 0;

            // Takes the next pending event; false when the queue is empty.
            virtual bool PollEvent(Event& event) = 0;
            // Sleeps until an event is pending or the time has passed (the
            // event stays queued); true when one is, even one that
            // translates to nothing (the window was uncovered). Back ends
            // that cannot wait return false at once.
            virtual bool WaitForEvent(int milliseconds)
            {
                (void)milliseconds;
                return false;
            }

            // Asynchronous state: the key (or mouse button 1, 2, 4) is down now.
            virtual bool IsKeyDown(int vk) = 0;
            // Cursor position in client pixels of the window; false without one.
            virtual bool GetCursorPos(int& x, int& y) = 0;

            virtual CursorHandle LoadCursorFile(const std::string& path) = 0;
            virtual CursorHandle GetSystemCursor(SystemCursor kind) = 0;
            virtual void SetCursor(CursorHandle cursor) = 0;

            // False when the pad is not connected (a normal answer).
            virtual bool GetGamepadState(int index, GamepadState& state) = 0;

            // Down now, and pressed since the last query of the key (which
            // this query clears). Meant for one reader: the input sampler.
            KeyQuery QueryKey(int vk);

        protected:
            // Back ends note each key or mouse button (1, 2, 4) that goes
            // down; auto-repeat is not a new press.
            void NoteWentDown(int vk);

        private:
            bool wentDown[256] = {};
        };

        // The back end in use. The first call installs the SDL back end
        // unless a test has installed another one.
        Backend& Get();
        // Installs a back end (not owned); null returns to the default.
        // Windows kept by RetainWindow end first: they belong to the old back end.
        void Install(Backend* backend);
        // Keeps a window alive until the back end in use changes or the
        // process ends: the game window outlives the system that made it.
        void RetainWindow(std::unique_ptr<Window> window);
        bool IsInstalled();

        // Debugger output: a line to standard error.
        void DebugOutput(const std::string& text);
        // Never blocks: the caption and text go to standard error.
        void ShowMessageBox(const std::string& caption, const std::string& text);

        // Folder of the running program, with '/' separators and no trailing '/'.
        std::string ExecutableFolder();
    }
}
