// The inspector panel driven like a user: the name field applies on Enter
// only, and Delete typed into it removes no object.
#include "Editor/EditorWorld.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Waypoints/VertexNode.h"
#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class InspectorPanel : public EditorWorld
    {
    protected:
        // A press and release of `button` (0 left, 1 right) at (x, y), and
        // two frames.
        void ClickAt(int x, int y, int button = 0)
        {
            Cursor(x, y);
            fake.PushMouse(Platform::EventType::MouseMove, x, y);
            fake.PushMouse(Platform::EventType::MouseDown, x, y, button);
            fake.PushMouse(Platform::EventType::MouseUp, x, y, button);
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
    ClickAt(x, y, 1);
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

TEST_F(InspectorPanel, ALinkPopupHoldsTheShortcutsAndNeverOutlivesItsNode)
{
    GameObject* floor = Make("Floor", 0.0f, 0.0f, 1.0f);
    floor->GetComponent<Transform>()->SetScale(16.0f, 9.0f);
    GameObject* node = Make("Node", 0.0f, 0.0f, 0.2f);
    auto* vertex = static_cast<VertexNode*>(node->AddComponent(CT_VertexNode));
    vertex->EditedLabel("n1");
    editor->SetInspecting(node);
    Frame();
    Frame();
    // The node's panel in the inspector, then its "Add Link" button.
    ClickAt(1564, 239);
    ClickAt(1575, 296);
    ASSERT_FALSE(editor->CheckPopUp()) << "the link pop-up is open";

    Press(VK::Delete);
    Press(VK::F1 + 2);
    ASSERT_EQ(factory->GetObjects().size(), 2u) << "no shortcut acts under the pop-up";
    EXPECT_EQ(editor->GetInspecting(), node);

    // The node goes while its pop-up is open (a level loaded by a hot key).
    node->Destroy();
    Frame();
    Frame();
    EXPECT_TRUE(editor->CheckPopUp());
    const Editor::ViewRect view = editor->GetViewRect();
    const int x = static_cast<int>(view.x + 20.0f);
    const int y = static_cast<int>(view.y + 20.0f);
    Cursor(x, y);
    Frame();
    ClickAt(x, y);
    EXPECT_EQ(editor->GetInspecting(), floor) << "picking works again";
}

TEST_F(InspectorPanel, PickingAChildInTheViewOpensItsParentInTheHierarchy)
{
    GameObject* stall = Make("Stall", 300.0f, 0.0f, 1.0f);
    GameObject* sign = Make("Sign", -300.0f, 200.0f, 1.0f);
    Make("Other", 600.0f, 300.0f, 1.0f);
    sign->AddParent(stall);
    Frame();
    Frame();
    const Vector2D at = editor->WorldToView(sign->GetComponent<Transform>()->GetTransVec());
    Cursor(static_cast<int>(at.x), static_cast<int>(at.y));
    Frame();
    ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
    ASSERT_EQ(editor->GetInspecting(), sign);
    Frame();
    // Rows of the hierarchy: the stall, then its sign under it, then the other.
    editor->ClearInspecting();
    ClickAt(60, 87);
    EXPECT_EQ(editor->GetInspecting(), sign);
}
