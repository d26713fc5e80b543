// The editor's keys, pressed through the window's events: Delete, F3,
// Ctrl+S, and none of them while a text field has the keyboard.
#include "Editor/EditorWorld.h"

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class Shortcuts : public EditorWorld
    {
    protected:
        // One editor frame with, optionally, a text field of the test's own.
        void EditorFrame(bool withField = false, bool focusField = false)
        {
            ProbedFrame([this] { editor->SetUp(); }, withField, focusField);
            factory->Update();
        }

        void Press(int vk, bool ctrl = false)
        {
            if (ctrl)
                fake.PushKey(Platform::EventType::KeyDown, VK::Control);
            fake.PushKey(Platform::EventType::KeyDown, vk);
            fake.PushKey(Platform::EventType::KeyUp, vk);
            if (ctrl)
                fake.PushKey(Platform::EventType::KeyUp, VK::Control);
        }
    };
}

TEST_F(Shortcuts, DeleteRemovesTheSelectionButNotWhileTyping)
{
    GameObject* chef = Make("Chef");
    editor->SetInspecting(chef);
    EditorFrame(true);
    EditorFrame(true, true);
    EditorFrame(true);
    EditorFrame(true);
    ASSERT_TRUE(ImGui::GetIO().WantTextInput);
    Press(VK::Delete);
    Press(VK::F1 + 2);
    EditorFrame(true);
    EditorFrame(true);
    EXPECT_EQ(factory->GetObjects().size(), 1u);
    EXPECT_EQ(editor->GetInspecting(), chef);

    // The field gone, the same keys act.
    EditorFrame();
    EditorFrame();
    Press(VK::F1 + 2);
    EditorFrame();
    EXPECT_EQ(factory->GetObjects().size(), 2u) << "F3 duplicates the selection";
    Press(VK::Delete);
    EditorFrame();
    EditorFrame();
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    EXPECT_EQ(factory->FindObjByName("Chef") != nullptr, true) << "only the selected object goes";
    EXPECT_EQ(factory->GetObjects().size(), 1u);
}

TEST_F(Shortcuts, CtrlSSavesTheSceneUnderItsName)
{
    Make("Chef");
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    factory->FindObjByName("Chef")->setName("Cook");
    testing::internal::CaptureStdout();
    Press('S', true);
    EditorFrame();
    testing::internal::GetCapturedStdout();
    EXPECT_NE(ReadAll(folder + "/Assets/Scenes/Kitchen.xml").find("Cook"), std::string::npos);
}

TEST_F(Shortcuts, CtrlAltSAndCtrlNOpenTheFileBrowserForANewName)
{
    Make("Chef");
    fake.PushKey(Platform::EventType::KeyDown, VK::Control);
    fake.PushKey(Platform::EventType::KeyDown, VK::Menu);
    Press('S');
    EditorFrame();
    fake.PushKey(Platform::EventType::KeyUp, VK::Menu);
    fake.PushKey(Platform::EventType::KeyUp, VK::Control);
    EditorFrame();
    ASSERT_TRUE(editor->GetFileBrowser().IsOpen());
    EXPECT_EQ(editor->GetFileBrowser().GetOptions().mode, FileBrowser::Mode::Save);
    // Typed names become the scene's, straight away.
    testing::internal::CaptureStdout();
    EXPECT_EQ(editor->GetFileBrowser().SubmitName("Pantry"), FileBrowser::Submit::Chosen);
    EditorFrame();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Pantry");
    EXPECT_TRUE(fs::exists(folder + "/Assets/Scenes/Pantry.xml"));

    Press('N', true);
    EditorFrame();
    ASSERT_TRUE(editor->GetFileBrowser().IsOpen());
    EXPECT_EQ(editor->GetFileBrowser().SubmitName("Pantry"), FileBrowser::Submit::Invalid)
        << "a new scene never takes an existing scene's place";
}
