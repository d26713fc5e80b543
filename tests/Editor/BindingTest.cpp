// The GUI binding driven by the fake platform: keys with their engine
// numbers, text input, mouse, wheel and focus, and keys kept from the
// window procedure while a text field has the keyboard.
#include "Editor/EditorWorld.h"

#include <cfloat>
#include <cstring>

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class BindingWorld : public EditorWorld
    {
    protected:
        // A GUI frame with nothing in it but an optional text field.
        void GuiFrame(bool withField = false, bool focusField = false)
        {
            ProbedFrame(
                [this] {
                    pressedDelete = ImGui::IsKeyPressed(VK::Delete);
                    ctrl = ImGui::GetIO().KeyCtrl;
                    mouseDown = ImGui::GetIO().MouseDown[0];
                    wheel = ImGui::GetIO().MouseWheel;
                    mouse = ImGui::GetIO().MousePos;
                },
                withField, focusField);
        }

        void Key(Platform::EventType type, int vk)
        {
            fake.PushKey(type, vk);
        }

        bool pressedDelete = false;
        bool ctrl = false;
        bool mouseDown = false;
        float wheel = 0.0f;
        ImVec2 mouse;
    };
}

TEST_F(BindingWorld, KeysArriveUnderTheEngineNumbersWithTheirModifiers)
{
    Key(Platform::EventType::KeyDown, VK::Control);
    Key(Platform::EventType::KeyDown, VK::Delete);
    GuiFrame();
    EXPECT_TRUE(pressedDelete);
    EXPECT_TRUE(ctrl);
    Key(Platform::EventType::KeyUp, VK::Delete);
    Key(Platform::EventType::KeyUp, VK::Control);
    GuiFrame();
    EXPECT_FALSE(ImGui::GetIO().KeysDown[VK::Delete]);
    EXPECT_FALSE(ctrl);
}

TEST_F(BindingWorld, APressReleasedBeforeTheNextFrameIsStillSeenOnce)
{
    Key(Platform::EventType::KeyDown, VK::Control);
    Key(Platform::EventType::KeyDown, VK::Delete);
    Key(Platform::EventType::KeyUp, VK::Delete);
    Key(Platform::EventType::KeyUp, VK::Control);
    GuiFrame();
    EXPECT_TRUE(pressedDelete);
    EXPECT_TRUE(ctrl);
    GuiFrame();
    EXPECT_FALSE(pressedDelete);
    EXPECT_FALSE(ImGui::GetIO().KeysDown[VK::Delete]);
    EXPECT_FALSE(ctrl);
}

TEST_F(BindingWorld, OnlyCharactersAboveZeroAndBelow0x10000AreTyped)
{
    GuiFrame(true);
    GuiFrame(true, true);
    GuiFrame(true);
    for (unsigned c : {0u, 0x10000u, static_cast<unsigned>('k'), 0x263Au, 0x1F600u})
    {
        Platform::Event e;
        e.type = Platform::EventType::Character;
        e.codepoint = c;
        fake.Push(e);
    }
    GuiFrame(true);
    GuiFrame(true);
    EXPECT_EQ(std::string(text), "k\xE2\x98\xBA");
}

TEST_F(BindingWorld, MouseComesFromThePlatformCursorWhileTheWindowHasFocus)
{
    Cursor(120, 80);
    GuiFrame();
    EXPECT_EQ(mouse.x, 120.0f);
    EXPECT_EQ(mouse.y, 80.0f);

    Key(Platform::EventType::KeyDown, VK::Shift);
    Platform::Event lost;
    lost.type = Platform::EventType::FocusLost;
    fake.Push(lost);
    GuiFrame();
    EXPECT_EQ(mouse.x, -FLT_MAX);
    // Keys held when focus went would otherwise stay down for good.
    EXPECT_FALSE(ImGui::GetIO().KeysDown[VK::Shift]);

    Platform::Event gained;
    gained.type = Platform::EventType::FocusGained;
    fake.Push(gained);
    GuiFrame();
    EXPECT_EQ(mouse.x, 120.0f);
}

TEST_F(BindingWorld, AClickShorterThanAFrameAndTheWheelReachTheGui)
{
    fake.PushMouse(Platform::EventType::MouseDown, 5, 5, 0);
    fake.PushMouse(Platform::EventType::MouseUp, 5, 5, 0);
    Platform::Event up;
    up.type = Platform::EventType::Wheel;
    up.wheelY = 3.0f;
    fake.Push(up);
    GuiFrame();
    EXPECT_TRUE(mouseDown);
    EXPECT_EQ(wheel, 1.0f);
    Platform::Event down = up;
    down.wheelY = -0.5f;
    fake.Push(down);
    GuiFrame();
    EXPECT_FALSE(mouseDown);
    EXPECT_EQ(wheel, -1.0f);
}

TEST_F(BindingWorld, KeysTypedIntoAFieldNeverReachTheEnginesHotKeys)
{
    GuiFrame(true);
    GuiFrame(true, true);
    GuiFrame(true);
    GuiFrame(true);
    ASSERT_TRUE(ImGui::GetIO().WantTextInput);
    // F9 loads a level and Up speeds the game up (while it plays), but not
    // while typing.
    const float factor = engine->GetTimeFactor();
    engine->SetTimeFactor(1.0f);
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    Key(Platform::EventType::KeyDown, VK::F9);
    Key(Platform::EventType::KeyUp, VK::F9);
    Key(Platform::EventType::KeyUp, VK::Up);
    GuiFrame(true);
    EXPECT_FALSE(scenes->IsLoadPending());
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);

    // Without a field the same keys act.
    GuiFrame();
    GuiFrame();
    ASSERT_FALSE(ImGui::GetIO().WantTextInput);
    Key(Platform::EventType::KeyUp, VK::F9);
    GuiFrame();
    EXPECT_TRUE(scenes->IsLoadPending());
    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    engine->SetTimeFactor(factor);
}

TEST_F(BindingWorld, ALeftClickPicksOnlyWhileTheEditorIsOn)
{
    Make("Chef", 0.0f, 0.0f, 2.0f);
    PlaceView();
    Cursor(500, 275);
    engine->SetEngineStatus(ES_EDITORVIEW, false);
    fake.PushMouse(Platform::EventType::MouseDown, 500, 275, 0);
    GuiFrame();
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    EXPECT_FALSE(editor->GetMouseClick());

    engine->SetEngineStatus(ES_EDITORVIEW, true);
    fake.PushMouse(Platform::EventType::MouseUp, 500, 275, 0);
    fake.PushMouse(Platform::EventType::MouseDown, 500, 275, 0);
    engine->GetSystem(ST_Win32System)->Update();
    ASSERT_NE(editor->GetInspecting(), nullptr);
    EXPECT_EQ(editor->GetInspecting()->getName(), "Chef");
    EXPECT_TRUE(editor->GetMouseClick());
    fake.PushMouse(Platform::EventType::MouseUp, 500, 275, 0);
    engine->GetSystem(ST_Win32System)->Update();
    EXPECT_FALSE(editor->GetMouseClick());
}

TEST_F(BindingWorld, CtrlAReleasedModifierFirstStillSelectsTheWholeField)
{
    std::strcpy(text, "Crate");
    GuiFrame(true);
    GuiFrame(true, true);
    GuiFrame(true);
    auto type = [&](unsigned c) {
        Platform::Event e;
        e.type = Platform::EventType::Character;
        e.codepoint = c;
        fake.Push(e);
        GuiFrame(true);
    };
    // Focusing selected everything; one letter leaves "x" with the cursor after it.
    type('x');
    // As X delivers a quick Ctrl+A: Control alone, then A with Control's release.
    Key(Platform::EventType::KeyDown, VK::Control);
    GuiFrame(true);
    Key(Platform::EventType::KeyDown, 'A');
    Key(Platform::EventType::KeyUp, VK::Control);
    Key(Platform::EventType::KeyUp, 'A');
    GuiFrame(true);
    type('B');
    GuiFrame(true);
    EXPECT_EQ(std::string(text), "B");
    EXPECT_FALSE(ImGui::GetIO().KeyCtrl);
}

TEST_F(BindingWorld, ALetterTypedRightAfterCtrlAIsNotSwallowedByTheHeldBackRelease)
{
    std::strcpy(text, "Crate");
    GuiFrame(true);
    GuiFrame(true, true);
    GuiFrame(true);
    Key(Platform::EventType::KeyDown, VK::Control);
    GuiFrame(true);
    // One batch: A with Control, Control let go, then "b" typed at once.
    Key(Platform::EventType::KeyDown, 'A');
    Key(Platform::EventType::KeyUp, 'A');
    Key(Platform::EventType::KeyUp, VK::Control);
    Key(Platform::EventType::KeyDown, 'B');
    Platform::Event b;
    b.type = Platform::EventType::Character;
    b.codepoint = 'b';
    fake.Push(b);
    Key(Platform::EventType::KeyUp, 'B');
    GuiFrame(true);
    EXPECT_TRUE(ctrl) << "the frame of the A press sees Control";
    GuiFrame(true);
    GuiFrame(true);
    EXPECT_EQ(std::string(text), "b") << "everything selected by Ctrl+A, then replaced by the letter";
    EXPECT_FALSE(ImGui::GetIO().KeyCtrl);
}
