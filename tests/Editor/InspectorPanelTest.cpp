// The inspector panel driven like a user: the name field applies on Enter
// only, and Delete typed into it removes no object; the parent field and the
// local translation follow the object selected.
#include "Editor/EditorWorld.h"

#include "Core/Graphics/Sprite.h"
#include "Core/Waypoints/VertexNode.h"
#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class InspectorPanel : public EditorWorld
    {
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

namespace
{
    // The text of the field that has the keyboard.
    std::string ActiveFieldText()
    {
        const ImGuiInputTextState& state = GImGui->InputTextState;
        return state.ID != 0 && state.TextA.Data ? std::string(state.TextA.Data) : std::string();
    }
}

class InspectorSelection : public InspectorPanel
{
protected:
    // Picks the object at its position in the scene view, by a click.
    void Pick(GameObject* o)
    {
        const Vector2D at = editor->WorldToView(o->GetComponent<Transform>()->GetTransVec());
        Cursor(static_cast<int>(at.x), static_cast<int>(at.y));
        Frame();
        ClickAt(static_cast<int>(at.x), static_cast<int>(at.y));
        ASSERT_EQ(editor->GetInspecting(), o);
        Frame();
    }

    // The inspector's rows right of the scene view: the parent field, the
    // parent button under it (a child), the Transform node and its "Local
    // Translation" field (a child; a top-level object's rows are 6 pixels
    // higher, a line of text standing where the button would).
    static constexpr int kInspectorX = 1580;
    static constexpr int kParentButtonY = 199;
    static constexpr int kChildTransformNodeY = 223;
    static constexpr int kTopTransformNodeY = 217;
    static constexpr int kNodeToLocalField = 77;
};

TEST_F(InspectorSelection, TheParentFieldFollowsTheSelectionAndItsParent)
{
    GameObject* stall = Make("Stall", 300.0f, -120.0f, 1.0f);
    GameObject* sign = Make("Sign", -300.0f, 200.0f, 1.0f);
    GameObject* other = Make("Other", 600.0f, 300.0f, 1.0f);
    sign->AddParent(stall);
    Frame();
    // A top-level object first: its field shows 0, so no button.
    Pick(other);
    ClickAt(kInspectorX, kParentButtonY);
    EXPECT_EQ(other->GetParent(), nullptr);

    // The child's field shows its parent, and its button removes it.
    Pick(sign);
    ClickAt(kInspectorX, kParentButtonY);
    EXPECT_EQ(sign->GetParent(), nullptr) << "the field kept the first object's parent";

    // Unparented, its field follows: 0 again, and nothing to press.
    Frame();
    ClickAt(kInspectorX, kParentButtonY);
    EXPECT_EQ(sign->GetParent(), nullptr);
    EXPECT_TRUE(stall->GetChildren().empty());
}

TEST_F(InspectorSelection, LocalTranslationIsThePositionForATopLevelObjectAndTheOffsetForAChild)
{
    GameObject* stall = Make("Stall", 300.0f, -120.0f, 1.0f);
    GameObject* sign = Make("Sign", -300.0f, 200.0f, 1.0f);
    sign->AddParent(stall);
    Frame();

    Pick(stall);
    ClickAt(kInspectorX, kTopTransformNodeY);
    ClickAt(kInspectorX, kTopTransformNodeY + kNodeToLocalField);
    EXPECT_EQ(ActiveFieldText(), "300.000") << "a top-level object's local translation is its position";

    Pick(sign);
    ClickAt(kInspectorX, kChildTransformNodeY);
    ClickAt(kInspectorX, kChildTransformNodeY + kNodeToLocalField);
    EXPECT_EQ(ActiveFieldText(), "-600.000");
    // An edit of the offset moves the child to the parent's position plus it.
    Press(VK::Home);
    for (int i = 0; i < 8; ++i)
        Press(VK::Delete);
    Type("50");
    Press(VK::Return);
    EXPECT_EQ(sign->GetComponent<Transform>()->GetTransVec().x, 350.0f);
    EXPECT_EQ(sign->GetComponent<Transform>()->GetLocalTransVec().x, 50.0f);
    EXPECT_EQ(stall->GetComponent<Transform>()->GetTransVec().x, 300.0f);
}
