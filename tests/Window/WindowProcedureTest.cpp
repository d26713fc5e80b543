// The window system and its window procedure, driven by the fake back end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Input.h"
#include "Core/Window/Win32System.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/VirtualKeys.h"
#include "Support/EngineWorld.h"

using namespace KiteFramework;
using Platform::EventType;

namespace
{
    struct Received
    {
        int id;
        int button;
        bool pressed;
        Vector2D position;
        int character;
    };

    class Listener : public System
    {
    public:
        explicit Listener(std::vector<Received>& out) : System(ST_Physics), out_(out) {}
        void SendMessage(Message* m) override
        {
            Received r{m->id, -1, false, Vector2D(), 0};
            if (auto* b = dynamic_cast<MouseButton*>(m))
            {
                r.button = b->MouseButtonIndex;
                r.pressed = b->ButtonIsPressed;
                r.position = b->MousePosition;
            }
            if (auto* mv = dynamic_cast<MouseMove*>(m))
                r.position = mv->MousePosition;
            if (auto* k = dynamic_cast<MessageCharacterKey*>(m))
                r.character = k->character;
            out_.push_back(r);
        }

    private:
        std::vector<Received>& out_;
    };

    class WindowTest : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            // The cursors come from the asset tree beside the program.
            StartEngine(false);
            UseFakePlatform();
            window = AddSystem(new Win32System("KiteTest", 1600, 900));
            AddSystem(new Listener(received));
        }
        std::vector<int> Ids() const
        {
            std::vector<int> ids;
            for (const Received& r : received)
                ids.push_back(r.id);
            return ids;
        }

        Win32System* window = nullptr;
        std::vector<Received> received;
    };
}

TEST_F(WindowTest, OpensADesktopSizedFullScreenWindowWithTheGameCursor)
{
    ASSERT_TRUE(window->HasWindow());
    EXPECT_EQ(WINDOWSSYSTEM, window);
    ASSERT_NE(fake.lastWindow, nullptr);
    EXPECT_EQ(fake.lastWindow->width, 1920);
    EXPECT_EQ(fake.lastWindow->height, 1080);
    EXPECT_TRUE(fake.lastWindow->fullScreen);
    EXPECT_EQ(fake.lastWindow->title, "KiteTest");
    EXPECT_TRUE(engine->GetEngineStatus(ES_FULLSCREEN));
    ASSERT_EQ(fake.loadedCursorFiles.size(), 2u);
    EXPECT_NE(fake.loadedCursorFiles[0].find("Sprites/UI/Cursor_Default.cur"), std::string::npos);
    EXPECT_NE(fake.loadedCursorFiles[1].find("Sprites/UI/Cursor_Pressed.cur"), std::string::npos);
    EXPECT_EQ(fake.currentCursor, 101);

    window->ToggleFullScreen();
    EXPECT_FALSE(fake.lastWindow->fullScreen);
    window->ToggleFullScreen();
    EXPECT_TRUE(fake.lastWindow->fullScreen);
}

TEST_F(WindowTest, ClicksCarryTheLastMovePosition)
{
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    fake.PushMouse(EventType::MouseMove, 100, 200);
    fake.PushMouse(EventType::MouseDown, 500, 600, 0);
    fake.PushMouse(EventType::MouseUp, 501, 601, 0);
    fake.PushMouse(EventType::MouseDown, 7, 7, 1);
    fake.PushMouse(EventType::MouseDown, 7, 7, 2); // middle: not a message
    window->Update();

    ASSERT_EQ(received.size(), 4u);
    EXPECT_EQ(received[0].id, MsgID::MouseMove);
    EXPECT_EQ(received[0].position, Vector2D(100, 200));
    EXPECT_EQ(received[1].id, MsgID::MouseButton);
    EXPECT_EQ(received[1].button, 0);
    EXPECT_TRUE(received[1].pressed);
    EXPECT_EQ(received[1].position, Vector2D(100, 200));
    EXPECT_FALSE(received[2].pressed);
    EXPECT_EQ(received[3].button, 1);
    EXPECT_EQ(window->GetMousePos(), Vector2D(100 - 800, 200 - 450));
}

TEST_F(WindowTest, PressedCursorOnlyWhilePlaying)
{
    fake.PushMouse(EventType::MouseDown, 0, 0, 0);
    window->Update();
    EXPECT_EQ(fake.currentCursor, 101);
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    fake.PushMouse(EventType::MouseDown, 0, 0, 0);
    window->Update();
    EXPECT_EQ(fake.currentCursor, 102);
    fake.PushMouse(EventType::MouseUp, 0, 0, 0);
    window->Update();
    EXPECT_EQ(fake.currentCursor, 101);
}

TEST_F(WindowTest, ArrowOverTheWindowWhileTheGameIsNotPlaying)
{
    // Graphics keeps the slot's address until the engine is cleaned.
    static Platform::Window* noWindow = nullptr;
    auto* graphics = new Graphics(&noWindow, 1600, 900);
    engine->AddSystem(graphics);
    const Platform::CursorHandle arrow = fake.GetSystemCursor(Platform::SystemCursor::Arrow);

    // Before the textures are in, the cursor is left alone.
    fake.PushMouse(EventType::MouseMove, 10, 10);
    window->Update();
    EXPECT_EQ(fake.currentCursor, 101);

    graphics->texturesLoaded = true;
    fake.PushMouse(EventType::MouseMove, 11, 10);
    window->Update();
    EXPECT_EQ(fake.currentCursor, arrow);

    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    fake.PushMouse(EventType::MouseMove, 12, 10);
    window->Update();
    EXPECT_EQ(fake.currentCursor, 101);

    // The editor's view shows the arrow even while its game runs.
    engine->SetEngineStatus(ES_EDITORVIEW, true);
    fake.PushMouse(EventType::MouseMove, 13, 10);
    window->Update();
    EXPECT_EQ(fake.currentCursor, arrow);
}

TEST_F(WindowTest, EscapePausesOnlyWhilePlayingFocusLossAlways)
{
    fake.PushKey(EventType::KeyUp, VK::Escape);
    window->Update();
    EXPECT_TRUE(received.empty());

    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    fake.PushKey(EventType::KeyUp, VK::Escape);
    window->Update();
    EXPECT_EQ(Ids(), std::vector<int>{MsgID::Pause});

    received.clear();
    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    Platform::Event lost;
    lost.type = EventType::FocusLost;
    fake.Push(lost);
    window->Update();
    EXPECT_EQ(Ids(), std::vector<int>{MsgID::Pause});
}

TEST_F(WindowTest, CharactersCtrlAndDeleteBecomeCharacterKeys)
{
    Platform::Event ch;
    ch.type = EventType::Character;
    ch.codepoint = 'k';
    fake.Push(ch);
    fake.PushKey(EventType::KeyUp, VK::Control);
    fake.PushKey(EventType::KeyUp, VK::Delete);
    fake.PushKey(EventType::KeyUp, VK::KeyA); // other keys send nothing
    window->Update();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0].character, 'k');
    EXPECT_EQ(received[1].character, 17);
    EXPECT_EQ(received[2].character, 46);
    for (const Received& r : received)
        EXPECT_EQ(r.id, MsgID::CharacterKey);
}

TEST_F(WindowTest, SpeedLadderWithoutASpeedIndicator)
{
    engine->SetTimeFactor(1.0f);
    for (float expected : {2.0f, 4.0f, 4.0f})
    {
        fake.PushKey(EventType::KeyUp, VK::Up);
        window->Update();
        EXPECT_EQ(engine->GetTimeFactor(), expected);
    }
    for (float expected : {2.0f, 1.0f, 1.0f})
    {
        fake.PushKey(EventType::KeyUp, VK::Down);
        window->Update();
        EXPECT_EQ(engine->GetTimeFactor(), expected);
    }
    // Paused: Up doubles 0 to 0, Down does nothing.
    engine->SetTimeFactor(0.0f);
    fake.PushKey(EventType::KeyUp, VK::Up);
    fake.PushKey(EventType::KeyUp, VK::Down);
    window->Update();
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
}

TEST_F(WindowTest, CloseAndAltF4EndTheLoopThroughTheQuitMessage)
{
    engine->Initialise();
    Platform::Event close;
    close.type = EventType::Close;
    fake.Push(close);
    window->Update();
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
    EXPECT_TRUE(received.empty()); // quit reaches no system

    engine->SetEngineStatus(ES_RUNNING, true);
    fake.PushKey(EventType::KeyDown, VK::F4, false);
    window->Update();
    EXPECT_TRUE(engine->GetEngineStatus(ES_RUNNING));
    fake.PushKey(EventType::KeyDown, VK::F4, true);
    window->Update();
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
}

TEST_F(WindowTest, CloseTakenByTheInputPumpIsHonoured)
{
    auto* input = new Input();
    engine->AddSystem(input);
    engine->Initialise();
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    // The window system's pump has already run this frame; the close arrives
    // in the input pump and ends the loop in the next frame.
    Platform::Event close;
    close.type = EventType::Close;
    fake.Push(close);
    input->Update();
    EXPECT_TRUE(window->IsQuitPosted());
    engine->Step();
    EXPECT_FALSE(engine->GetEngineStatus(ES_RUNNING));
}

TEST_F(WindowTest, AltTabOnActivationTogglesMinimised)
{
    Platform::Event activate;
    activate.type = EventType::FocusGained;
    fake.Push(activate);
    window->Update();
    EXPECT_FALSE(fake.lastWindow->minimised);

    fake.SetKeyDown(VK::Menu, true);
    fake.SetKeyDown(VK::Tab, true);
    fake.Push(activate);
    window->Update();
    EXPECT_TRUE(fake.lastWindow->minimised);
    fake.Push(activate);
    window->Update();
    EXPECT_FALSE(fake.lastWindow->minimised);
}

using WindowCreation = KiteTest::EngineWorld;

TEST_F(WindowCreation, FailureLeavesNoWindowAndSaysSo)
{
    fake.failWindowCreation = true;
    UseFakePlatform();
    testing::internal::CaptureStderr();
    auto* window = new Win32System("KiteTest", 1600, 900);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(window->HasWindow());
    EXPECT_NE(err.find("Failed to Create Window!"), std::string::npos);

    // A second window system never takes over the global pointer.
    auto* second = new Win32System("Other", 10, 10);
    EXPECT_EQ(WINDOWSSYSTEM, window);
    delete second;
    EXPECT_EQ(WINDOWSSYSTEM, window);
    delete window;
    EXPECT_EQ(WINDOWSSYSTEM, nullptr);
}
