// The inspector panel driven like a user: the name field applies on Enter
// only, and Delete typed into it removes no object.
#include "Editor/EditorWorld.h"

#include "Core/Graphics/Sprite.h"
#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class InspectorPanel : public EditorWorld
    {
    protected:
        void ClickAt(int x, int y)
        {
            Cursor(x, y);
            fake.PushMouse(Platform::EventType::MouseMove, x, y);
            fake.PushMouse(Platform::EventType::MouseDown, x, y, 0);
            fake.PushMouse(Platform::EventType::MouseUp, x, y, 0);
            Frame();
            Frame();
        }

        void Type(const std::string& text)
        {
            for (char c : text)
            {
                Platform::Event e;
                e.type = Platform::EventType::Character;
                e.codepoint = static_cast<unsigned char>(c);
                fake.Push(e);
            }
            Frame();
        }

        void Press(int vk)
        {
            fake.PushKey(Platform::EventType::KeyDown, vk);
            fake.PushKey(Platform::EventType::KeyUp, vk);
            Frame();
            Frame();
        }
    };
}

TEST_F(InspectorPanel, TheNameChangesOnEnterAndDeleteWhileTypingRemovesNothing)
{
    GameObject* crate = Make("Crate");
    editor->SetInspecting(crate);
    Frame();
    Frame();
    // The name field: right of the scene view, under the "Name" label.
    ClickAt(1720, 73);
    ASSERT_TRUE(ImGui::GetIO().WantTextInput);
    Type("Box");
    Press(VK::Delete);
    EXPECT_EQ(crate->getName(), "Crate") << "nothing is applied before Enter";
    EXPECT_EQ(factory->GetObjects().size(), 1u);
    EXPECT_EQ(editor->GetInspecting(), crate);
    Press(VK::Return);
    EXPECT_EQ(crate->getName(), "CrateBox");
    Frame();
    EXPECT_FALSE(ImGui::GetIO().WantTextInput) << "Enter ends the typing";

    // Out of the field, Delete removes the selection.
    Press(VK::Delete);
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    EXPECT_TRUE(factory->GetObjects().empty());
}

TEST_F(InspectorPanel, AClickOnTheViewsOwnMenuPicksNothingBeneathIt)
{
    // A backdrop covering the whole scene view.
    GameObject* backdrop = Make("Backdrop", 0.0f, 0.0f, 1.0f);
    backdrop->GetComponent<Transform>()->SetScale(16.0f, 9.0f);
    Frame();
    Frame();
    const Editor::ViewRect view = editor->GetViewRect();
    const int x = static_cast<int>(view.x + view.w / 2.0f);
    const int y = static_cast<int>(view.y + view.h / 2.0f);
    Cursor(x, y);
    fake.PushMouse(Platform::EventType::MouseMove, x, y);
    fake.PushMouse(Platform::EventType::MouseDown, x, y, 1);
    fake.PushMouse(Platform::EventType::MouseUp, x, y, 1);
    Frame();
    Frame();
    // The menu opened at the cursor; its "Close" button lies just inside it.
    ClickAt(x + 25, y + 15);
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    EXPECT_FALSE(ConsoleHas("Found Nothing"));

    // With the menu gone, the same place picks the backdrop.
    Frame();
    ClickAt(x + 25, y + 15);
    EXPECT_EQ(editor->GetInspecting(), backdrop);
}

TEST_F(InspectorPanel, TheHierarchySelectsTheClickedObjectAndOutlinesIt)
{
    GameObject* first = Make("First");
    GameObject* second = Make("Second");
    second->AddComponent(CT_Sprite);
    Frame();
    // Rows of the hierarchy, under its "Game Objects" label.
    ClickAt(60, 87);
    EXPECT_EQ(editor->GetInspecting(), second);
    EXPECT_TRUE(second->GetComponent<Sprite>()->getDebug());
    ClickAt(60, 70);
    EXPECT_EQ(editor->GetInspecting(), first);
    EXPECT_FALSE(second->GetComponent<Sprite>()->getDebug());
}
