// The editor's keys, pressed through the window's events: Delete, F3,
// Ctrl+S, and none of them but Ctrl+S while a text field has the keyboard.
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
            PushPress(vk, ctrl);
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

TEST_F(Shortcuts, F3PutsANamedCopyBesideTheOriginalAndSelectsIt)
{
    GameObject* bin = Make("Bin", 100.0f, 50.0f, 0.5f);
    bin->GetComponent<Transform>()->SetRot(30.0f);
    editor->SetInspecting(bin);
    Press(VK::F1 + 2);
    EditorFrame();
    GameObject* copy = editor->GetInspecting();
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, bin) << "the copy is selected";
    EXPECT_EQ(copy->getName(), "Bin2");
    EXPECT_TRUE(ConsoleHas("Duplicated \"Bin\" (id " + std::to_string(bin->GetId()) + ") as \"Bin2\""));
    // Half a unit wide: 50 world units to the right, touching it.
    const Transform* t = copy->GetComponent<Transform>();
    EXPECT_NEAR(t->GetTransVec().x, 150.0f, 1e-3f);
    EXPECT_NEAR(t->GetTransVec().y, 50.0f, 1e-3f);
    EXPECT_FLOAT_EQ(t->GetRotation(), 30.0f);
    EXPECT_NEAR(bin->GetComponent<Transform>()->GetTransVec().x, 100.0f, 1e-3f) << "the original stays";

    // A copy of the copy takes the next free name; names ending in digits
    // count on from them.
    EditorFrame();
    Press(VK::F1 + 2);
    EditorFrame();
    EditorFrame();
    EXPECT_EQ(editor->GetInspecting()->getName(), "Bin3");
    GameObject* seat = Make("SeatNode1", 780.0f, 0.0f, 1.0f);
    Make("SeatNode2");
    editor->SetInspecting(seat);
    Press(VK::F1 + 2);
    EditorFrame();
    EditorFrame();
    ASSERT_NE(editor->GetInspecting(), seat);
    EXPECT_EQ(editor->GetInspecting()->getName(), "SeatNode3");
    EXPECT_NEAR(editor->GetInspecting()->GetComponent<Transform>()->GetTransVec().x, 680.0f, 1e-3f)
        << "at the view's right edge the copy goes on the left";
}

TEST_F(Shortcuts, CtrlSSavesWhileATextFieldHasTheKeyboard)
{
    Make("Chef");
    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    testing::internal::GetCapturedStdout();
    factory->FindObjByName("Chef")->setName("Cook");
    EditorFrame(true);
    EditorFrame(true, true);
    EditorFrame(true);
    EditorFrame(true);
    ASSERT_TRUE(ImGui::GetIO().WantTextInput);
    testing::internal::CaptureStdout();
    Press('S', true);
    EditorFrame(true);
    EditorFrame(true);
    testing::internal::GetCapturedStdout();
    EXPECT_NE(ReadAll(folder + "/Assets/Scenes/Kitchen.xml").find("Cook"), std::string::npos);
    EXPECT_STREQ(text, "") << "the keys typed nothing into the field";
}
