// The SDL back end against a real X display (Xvfb in CI): a window with an
// OpenGL context, full screen and back, native events through PollEvent,
// the cursor position, cursors and a virtual gamepad.
#include <gtest/gtest.h>

#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Platform/SDL/SDLBackend.h"
#include "Platform/SDL/SDLWindow.h"

using namespace KiteFramework::Platform;

extern char** environ;

namespace
{
    // SDL is linked by the engine only; its entry points are taken from the
    // already loaded library rather than linked a second time.
    template <class F>
    F* SDLEntry(const char* name)
    {
        auto* f = reinterpret_cast<F*>(dlsym(RTLD_DEFAULT, name));
        if (!f)
            ADD_FAILURE() << "no SDL entry " << name;
        return f;
    }
#define SDL_ENTRY(name) SDLEntry<decltype(name)>(#name)

    // An X server of the test's own.
    class PrivateDisplay
    {
    public:
        PrivateDisplay()
        {
            const char* old = std::getenv("DISPLAY");
            previous = old ? old : "";
            int fds[2];
            if (pipe(fds) != 0)
                return;
            const std::string fd = std::to_string(fds[1]);
            const char* argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
                                  "tcp", nullptr};
            posix_spawn_file_actions_t actions;
            posix_spawn_file_actions_init(&actions);
            posix_spawn_file_actions_addclose(&actions, fds[0]);
            posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
            if (posix_spawnp(&pid, "Xvfb", &actions, nullptr, const_cast<char* const*>(argv), environ) != 0)
                pid = -1;
            posix_spawn_file_actions_destroy(&actions);
            close(fds[1]);
            // The server writes its display number once it accepts clients.
            std::string number;
            char c;
            while (pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
                number += c;
            close(fds[0]);
            if (pid > 0 && !number.empty())
            {
                setenv("DISPLAY", (":" + number).c_str(), 1);
                started = true;
            }
        }

        ~PrivateDisplay()
        {
            if (pid > 0)
            {
                kill(pid, SIGTERM);
                waitpid(pid, nullptr, 0);
            }
            if (started)
                setenv("DISPLAY", previous.c_str(), 1);
        }

        pid_t pid = -1;
        bool started = false;
        std::string previous;
    };

    class SDLDisplayTest : public testing::Test
    {
    protected:
        void SetUp() override
        {
            const char* display = std::getenv("DISPLAY");
            if (!display || !*display)
                GTEST_SKIP() << "no X display";
            // A full-screen window or a moved pointer on the shared display
            // would reach other tests' windows.
            privateDisplay = std::make_unique<PrivateDisplay>();
            if (!privateDisplay->started)
                std::fprintf(stderr, "no private X server could be started; using the shared display\n");
            backend = std::make_unique<SDLBackend>();
        }

        void TearDown() override
        {
            window.reset();
            backend.reset();
            privateDisplay.reset();
        }

        SDLWindow* Open(int width, int height, bool fullScreen = false)
        {
            window = backend->CreateWindow("Kite platform test", width, height, fullScreen);
            EXPECT_NE(window, nullptr);
            Settle();
            return static_cast<SDLWindow*>(window.get());
        }

        // Lets the X server catch up and drops whatever the window's mapping produced.
        void Settle()
        {
            Event e;
            for (int i = 0; i < 20; ++i)
            {
                while (backend->PollEvent(e))
                {
                }
                SDL_ENTRY(SDL_Delay)(10);
            }
        }

        std::vector<Event> Drain()
        {
            std::vector<Event> events;
            Event e;
            while (backend->PollEvent(e))
                if (e.type != EventType::FocusGained && e.type != EventType::FocusLost)
                    events.push_back(e);
            return events;
        }

        void Push(SDL_Event e)
        {
            ASSERT_EQ(SDL_ENTRY(SDL_PushEvent)(&e), 1);
        }

        // A button press or release of the window at (x, y).
        void PushButton(Uint32 type, Uint32 window, Uint8 button, int x = 0, int y = 0)
        {
            SDL_Event e{};
            e.type = type;
            e.button.windowID = window;
            e.button.button = button;
            e.button.x = x;
            e.button.y = y;
            Push(e);
        }

        std::unique_ptr<PrivateDisplay> privateDisplay;
        std::unique_ptr<SDLBackend> backend;
        std::unique_ptr<Window> window;
    };
}

TEST_F(SDLDisplayTest, WindowContextAndFullScreenRoundTrip)
{
    int desktopW = 0, desktopH = 0;
    backend->GetDesktopSize(desktopW, desktopH);
    ASSERT_GT(desktopW, 0);
    ASSERT_GT(desktopH, 0);

    SDLWindow* w = Open(320, 240);
    ASSERT_NE(w, nullptr);
    int width = 0, height = 0;
    w->GetClientSize(width, height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    EXPECT_FALSE(w->IsFullScreen());

    ASSERT_TRUE(w->CreateGLContext());
    ASSERT_TRUE(w->MakeCurrent());
    using GetStringFn = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetStringFn>(SDL_ENTRY(SDL_GL_GetProcAddress)("glGetString"));
    ASSERT_NE(getString, nullptr);
    const char* version = reinterpret_cast<const char*>(getString(0x1F02 /* GL_VERSION */));
    ASSERT_NE(version, nullptr);
    EXPECT_GE(std::atof(version), 3.3 - 1e-6) << version;
    int depth = 0, stencil = 0, doubleBuffer = 0;
    SDL_ENTRY(SDL_GL_GetAttribute)(SDL_GL_DEPTH_SIZE, &depth);
    SDL_ENTRY(SDL_GL_GetAttribute)(SDL_GL_STENCIL_SIZE, &stencil);
    SDL_ENTRY(SDL_GL_GetAttribute)(SDL_GL_DOUBLEBUFFER, &doubleBuffer);
    EXPECT_GE(depth, 24);
    EXPECT_GE(stencil, 8);
    EXPECT_EQ(doubleBuffer, 1);
    EXPECT_EQ(SDL_ENTRY(SDL_GL_GetSwapInterval)(), 0);
    w->SwapBuffers();

    int x0 = 0, y0 = 0;
    SDL_ENTRY(SDL_GetWindowPosition)(w->GetNative(), &x0, &y0);

    w->SetFullScreen(true);
    Settle();
    EXPECT_TRUE(w->IsFullScreen());
    w->GetClientSize(width, height);
    EXPECT_EQ(width, desktopW);
    EXPECT_EQ(height, desktopH);
    EXPECT_TRUE(SDL_ENTRY(SDL_GetWindowFlags)(w->GetNative()) & SDL_WINDOW_BORDERLESS);
    // Going full screen twice must not overwrite the saved windowed placement.
    w->SetFullScreen(true);

    w->SetFullScreen(false);
    Settle();
    EXPECT_FALSE(w->IsFullScreen());
    w->GetClientSize(width, height);
    EXPECT_EQ(width, 320);
    EXPECT_EQ(height, 240);
    int x1 = 0, y1 = 0;
    SDL_ENTRY(SDL_GetWindowPosition)(w->GetNative(), &x1, &y1);
    EXPECT_EQ(x1, x0);
    EXPECT_EQ(y1, y0);
    EXPECT_TRUE(w->MakeCurrent());

    // Made full screen from the start, it still comes back to the size asked for.
    window.reset();
    SDLWindow* full = Open(400, 300, true);
    ASSERT_NE(full, nullptr);
    full->GetClientSize(width, height);
    EXPECT_EQ(width, desktopW);
    EXPECT_EQ(height, desktopH);
    full->SetFullScreen(false);
    Settle();
    full->GetClientSize(width, height);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);
}

TEST_F(SDLDisplayTest, NativeEventsAreTranslated)
{
    SDLWindow* w = Open(320, 240);
    ASSERT_NE(w, nullptr);
    const Uint32 id = w->GetID();

    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.windowID = id;
    e.key.keysym.sym = SDLK_ESCAPE;
    Push(e);
    e.type = SDL_KEYUP;
    e.key.keysym.sym = SDLK_F4;
    e.key.keysym.mod = KMOD_LALT;
    Push(e);
    // Another window's key and a key without a number are passed over.
    e.key.windowID = id + 1000;
    e.key.keysym.sym = SDLK_q;
    Push(e);
    e.key.windowID = id;
    e.key.keysym.sym = SDLK_F20;
    Push(e);

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    text.text.windowID = id;
    std::strcpy(text.text.text, "h\xC3\xA9");
    Push(text);

    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.windowID = id;
    motion.motion.x = 17;
    motion.motion.y = 42;
    Push(motion);

    PushButton(SDL_MOUSEBUTTONDOWN, id, SDL_BUTTON_RIGHT, 18, 43);

    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.windowID = id;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    Push(close);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    Push(quit);

    const std::vector<Event> got = Drain();
    std::vector<Event> events;
    // The real pointer may add its own moves; only ours are at (17, 42).
    for (const Event& ev : got)
        if (ev.type != EventType::MouseMove || (ev.x == 17 && ev.y == 42))
            events.push_back(ev);
    ASSERT_EQ(events.size(), 8u);
    EXPECT_EQ(events[0].type, EventType::KeyDown);
    EXPECT_EQ(events[0].vk, 27);
    EXPECT_FALSE(events[0].alt);
    EXPECT_EQ(events[1].type, EventType::KeyUp);
    EXPECT_EQ(events[1].vk, 115);
    EXPECT_TRUE(events[1].alt);
    EXPECT_EQ(events[2].type, EventType::Character);
    EXPECT_EQ(events[2].codepoint, unsigned('h'));
    EXPECT_EQ(events[3].type, EventType::Character);
    EXPECT_EQ(events[3].codepoint, 0xE9u);
    EXPECT_EQ(events[4].type, EventType::MouseMove);
    EXPECT_EQ(events[5].type, EventType::MouseDown);
    EXPECT_EQ(events[5].button, 1);
    EXPECT_EQ(events[5].x, 18);
    EXPECT_EQ(events[5].y, 43);
    EXPECT_EQ(events[6].type, EventType::Close);
    EXPECT_EQ(events[7].type, EventType::Quit);
}

TEST_F(SDLDisplayTest, PressesAreRememberedUntilQueriedEvenWhenReleased)
{
    SDLWindow* w = Open(320, 240);
    ASSERT_NE(w, nullptr);
    const Uint32 id = w->GetID();
    for (int vk : {27, 16, 160, 65, 1})
        backend->QueryKey(vk);

    SDL_Event e{};
    e.key.windowID = id;
    e.key.keysym.sym = SDLK_ESCAPE;
    for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP})
    {
        e.type = type;
        Push(e);
    }
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_LSHIFT;
    Push(e);
    // Auto-repeat is no new press; another window's key is not ours.
    e.key.keysym.sym = SDLK_a;
    e.key.repeat = 1;
    Push(e);
    e.key.repeat = 0;
    e.key.windowID = id + 1000;
    Push(e);
    for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP})
        PushButton(type, id, SDL_BUTTON_LEFT);
    Drain();

    EXPECT_TRUE(backend->QueryKey(27).pressedSinceLastQuery);
    EXPECT_FALSE(backend->QueryKey(27).pressedSinceLastQuery) << "a query clears it";
    EXPECT_TRUE(backend->QueryKey(16).pressedSinceLastQuery);
    EXPECT_TRUE(backend->QueryKey(160).pressedSinceLastQuery);
    EXPECT_FALSE(backend->QueryKey(65).pressedSinceLastQuery);
    EXPECT_TRUE(backend->QueryKey(1).pressedSinceLastQuery) << "the left button";
}

TEST_F(SDLDisplayTest, DroppedFilesAreFreedAndSkipped)
{
    SDLWindow* w = Open(160, 120);
    ASSERT_NE(w, nullptr);
    auto* allocations = SDL_ENTRY(SDL_GetNumAllocations);
    const int before = allocations();

    // SDL gives the event's text to whoever takes the event.
    for (Uint32 type : {Uint32(SDL_DROPFILE), Uint32(SDL_DROPTEXT)})
    {
        SDL_Event drop{};
        drop.type = type;
        drop.drop.windowID = w->GetID();
        drop.drop.file = SDL_ENTRY(SDL_strdup)("/tmp/dropped.xml");
        Push(drop);
    }
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(allocations(), before);
}

TEST_F(SDLDisplayTest, CursorPositionAndMouseButtons)
{
    int x = 0, y = 0;
    EXPECT_FALSE(backend->GetCursorPos(x, y));

    SDLWindow* w = Open(320, 240);
    ASSERT_NE(w, nullptr);
    int wx = 0, wy = 0;
    SDL_ENTRY(SDL_GetWindowPosition)(w->GetNative(), &wx, &wy);

    SDL_ENTRY(SDL_WarpMouseGlobal)(wx + 100, wy + 50);
    Settle();
    ASSERT_TRUE(backend->GetCursorPos(x, y));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);

    // Left of and above the window the position goes negative rather than stopping at 0.
    if (wx >= 10 && wy >= 10)
    {
        SDL_ENTRY(SDL_WarpMouseGlobal)(wx - 7, wy - 9);
        Settle();
        ASSERT_TRUE(backend->GetCursorPos(x, y));
        EXPECT_EQ(x, -7);
        EXPECT_EQ(y, -9);
    }

    EXPECT_FALSE(backend->IsKeyDown(1));
    EXPECT_FALSE(backend->IsKeyDown(2));
    EXPECT_FALSE(backend->IsKeyDown(16));
    EXPECT_FALSE(backend->IsKeyDown(0));
    EXPECT_FALSE(backend->IsKeyDown(256));
    EXPECT_FALSE(backend->IsKeyDown(-3));
}

TEST_F(SDLDisplayTest, RealKeysAndButtonsThroughTheAsyncState)
{
    if (std::system("command -v xdotool > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "xdotool is not installed";
    SDLWindow* w = Open(320, 240);
    ASSERT_NE(w, nullptr);
    int wx = 0, wy = 0;
    SDL_ENTRY(SDL_GetWindowPosition)(w->GetNative(), &wx, &wy);
    SDL_ENTRY(SDL_WarpMouseGlobal)(wx + 20, wy + 20);
    SDL_ENTRY(SDL_RaiseWindow)(w->GetNative());
    Settle();

    ASSERT_EQ(std::system("xdotool mousedown 3 keydown Shift_L keydown a"), 0);
    Settle();
    const bool right = backend->IsKeyDown(2);
    const bool shift = backend->IsKeyDown(16);
    const bool rightShift = backend->IsKeyDown(0xA1);
    const bool leftShift = backend->IsKeyDown(0xA0);
    const bool a = backend->IsKeyDown('A');
    const bool left = backend->IsKeyDown(1);
    ASSERT_EQ(std::system("xdotool keyup a keyup Shift_L mouseup 3"), 0);
    Settle();

    EXPECT_TRUE(right);
    EXPECT_FALSE(left);
    EXPECT_TRUE(shift);
    EXPECT_FALSE(rightShift);
    EXPECT_TRUE(leftShift);
    EXPECT_TRUE(a);
    EXPECT_FALSE(backend->IsKeyDown(2));
    EXPECT_FALSE(backend->IsKeyDown(16));
    EXPECT_FALSE(backend->IsKeyDown('A'));
}

TEST_F(SDLDisplayTest, CursorsAreMadeAndKept)
{
    SDLWindow* w = Open(160, 120);
    ASSERT_NE(w, nullptr);
    const std::string folder = std::string(KITE_ASSET_ROOT) + "/Sprites/UI/";
    const CursorHandle normal = backend->LoadCursorFile(folder + "Cursor_Default.cur");
    const CursorHandle pressed = backend->LoadCursorFile(folder + "Cursor_Pressed.cur");
    EXPECT_NE(normal, 0);
    EXPECT_NE(pressed, 0);
    EXPECT_NE(normal, pressed);

    const SystemCursor kinds[] = {SystemCursor::Arrow, SystemCursor::SizeWE, SystemCursor::SizeNS,
                                  SystemCursor::SizeNWSE, SystemCursor::SizeNESW};
    std::vector<CursorHandle> system;
    for (SystemCursor kind : kinds)
    {
        const CursorHandle h = backend->GetSystemCursor(kind);
        EXPECT_NE(h, 0);
        // Asked again, the same cursor: nothing piles up per call.
        EXPECT_EQ(backend->GetSystemCursor(kind), h);
        system.push_back(h);
    }

    auto* current = SDL_ENTRY(SDL_GetCursor);
    backend->SetCursor(pressed);
    SDL_Cursor* pressedCursor = current();
    backend->SetCursor(normal);
    EXPECT_NE(current(), pressedCursor);
    // 0 and unknown handles leave the cursor as it is.
    SDL_Cursor* before = current();
    backend->SetCursor(0);
    backend->SetCursor(9999);
    EXPECT_EQ(current(), before);
    backend->SetCursor(system[0]);
}

TEST_F(SDLDisplayTest, VirtualGamepadIsPadZeroUntilRemoved)
{
    GamepadState state;
    state.buttons = 0xFFFF;
    EXPECT_FALSE(backend->GetGamepadState(0, state));
    EXPECT_EQ(state.buttons, 0);
    EXPECT_FALSE(backend->GetGamepadState(-1, state));
    EXPECT_FALSE(backend->GetGamepadState(4, state));

    SDL_VirtualJoystickDesc desc;
    std::memset(&desc, 0, sizeof(desc));
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "Kite virtual pad";
    const int device = SDL_ENTRY(SDL_JoystickAttachVirtualEx)(&desc);
    ASSERT_GE(device, 0) << SDL_ENTRY(SDL_GetError)();
    SDL_Joystick* stick = SDL_ENTRY(SDL_JoystickOpen)(device);
    ASSERT_NE(stick, nullptr);

    // The pad arrives as a device event, which the event pump takes.
    Event e;
    while (backend->PollEvent(e))
    {
    }
    SDL_ENTRY(SDL_JoystickSetVirtualButton)(stick, SDL_CONTROLLER_BUTTON_B, 1);
    SDL_ENTRY(SDL_JoystickSetVirtualAxis)(stick, SDL_CONTROLLER_AXIS_LEFTY, -32768);
    SDL_ENTRY(SDL_JoystickSetVirtualAxis)(stick, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    ASSERT_TRUE(backend->GetGamepadState(0, state));
    EXPECT_EQ(state.buttons, GamepadButton::B);
    EXPECT_EQ(state.thumbLY, 32767);
    EXPECT_EQ(state.rightTrigger, 255);
    EXPECT_FALSE(backend->GetGamepadState(1, state));

    SDL_ENTRY(SDL_JoystickClose)(stick);
    SDL_ENTRY(SDL_JoystickDetachVirtual)(device);
    while (backend->PollEvent(e))
    {
    }
    state.buttons = 0xFFFF;
    EXPECT_FALSE(backend->GetGamepadState(0, state));
    EXPECT_EQ(state.buttons, 0);
}
