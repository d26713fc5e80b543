// The scene view: the inside test, the conversion to world units, picking
// and the gizmo.
#include "Editor/EditorWorld.h"

#include "Core/Graphics/Sprite.h"

using namespace KiteTest;

namespace
{
    class SceneView : public EditorWorld
    {
    protected:
        void SetUp() override
        {
            EditorWorld::SetUp();
            PlaceView();
        }

        // A gizmo frame: the GUI's mouse moved by (dx, dy) pixels.
        void GizmoFrame(float dx, float dy)
        {
            ImGui::GetIO().MouseDelta = ImVec2(dx, dy);
            editor->Gizmo();
        }
    };
}

TEST_F(SceneView, EdgesAreInsideAndTheCentreIsTheWorldOrigin)
{
    Cursor(100, 50);
    EXPECT_TRUE(editor->MouseInViewport());
    Cursor(900, 500);
    EXPECT_TRUE(editor->MouseInViewport());
    Cursor(901, 500);
    EXPECT_FALSE(editor->MouseInViewport());
    Cursor(100, 49);
    EXPECT_FALSE(editor->MouseInViewport());

    Cursor(kCentreX, kCentreY);
    EXPECT_EQ(editor->genericConversionTest().x, 0.0f);
    EXPECT_EQ(editor->genericConversionTest().y, 0.0f);
    Cursor(100, 50);
    EXPECT_EQ(editor->genericConversionTest().x, -800.0f);
    EXPECT_EQ(editor->genericConversionTest().y, 450.0f);
    const Vector2D back = editor->WorldToView(Vector2D(-800.0f, 450.0f));
    EXPECT_EQ(back.x, 100.0f);
    EXPECT_EQ(back.y, 50.0f);
}

TEST_F(SceneView, AClickSelectsTheObjectUnderItAndEmptySpaceSelectsNothing)
{
    // 100 world units wide at (200, 0): pixels 575 to 625 across.
    GameObject* stall = Make("Stall", 200.0f, 0.0f, 1.0f);
    Make("Floor", -600.0f, 0.0f, 1.0f);
    Click(600, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), stall);

    Click(kCentreX, 60);
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    EXPECT_TRUE(ConsoleHas("Found Nothing"));
}

TEST_F(SceneView, AClickPicksWhatIsSeenOnTopAndClicksAgainGoDownThroughTheRest)
{
    // A court as a level lays it out: the floor first (lowest id) and
    // furthest back, a table on it, a customer in front at the same depth
    // (lower on the screen), a hidden marker and an empty helper over all.
    GameObject* floor = Drawn("Floor", 0.0f, 0.0f, 16.0f, 100.0f);
    GameObject* table = Drawn("Table", 0.0f, 10.0f, 1.0f, 20.0f);
    GameObject* customer = Drawn("Customer", 0.0f, -10.0f, 1.0f, 20.0f);
    GameObject* marker = Drawn("Marker", 0.0f, 0.0f, 1.0f, 1.0f);
    marker->GetComponent<Sprite>()->ToggleRender(false);
    GameObject* helper = Make("Helper", 0.0f, 0.0f, 1.0f);
    GameObject* clear = Drawn("Clear", 0.0f, 0.0f, 1.0f, 2.0f);
    clear->GetComponent<Sprite>()->AlphaSet(0.0f);

    Click(kCentreX, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), customer);
    const std::vector<GameObject*> down = {table, floor, marker, helper, clear, customer};
    for (GameObject* next : down)
    {
        Click(kCentreX + 1, kCentreY);
        EXPECT_EQ(editor->GetInspecting(), next) << "clicks at the same point go down, then round";
    }
    // Elsewhere starts from the top again.
    Click(kCentreX + 100, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), floor);
    Click(kCentreX, kCentreY + 10);
    EXPECT_EQ(editor->GetInspecting(), customer);

    // A press at the same point that drags moves the selection, not on.
    editor->SetGizmoMode(Editor::GizmoTranslate);
    Cursor(kCentreX, kCentreY + 10);
    editor->SetMouseClick(true);
    editor->MouseToWorld();
    Cursor(kCentreX + 20, kCentreY + 10);
    ImGui::GetIO().MouseDelta = ImVec2(20.0f, 0.0f);
    editor->Gizmo();
    editor->SetMouseClick(false);
    EXPECT_EQ(editor->GetInspecting(), customer);
    EXPECT_NEAR(customer->GetComponent<Transform>()->GetTransVec().x, 40.0f, 1e-3f);
}

TEST_F(SceneView, InterfaceObjectsSeenThereWinOverTheScene)
{
    GameObject* stall = Drawn("Stall", 0.0f, 0.0f, 1.0f, 1.0f);
    GameObject* button = Drawn("Button", 0.0f, 0.0f, 1.0f, 50.0f);
    ASSERT_TRUE(button->AddComponent(CT_SystemCallButton));
    ASSERT_EQ(factory->GetUIObjects().count(button->GetId()), 1u);
    Click(kCentreX, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), button);
    Click(kCentreX, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), stall);
}

TEST_F(SceneView, NoPickWhilePlayingOrCoveredOrOutsideTheView)
{
    GameObject* stall = Make("Stall", 0.0f, 0.0f, 1.0f);
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    Click(kCentreX, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    engine->SetEngineStatus(ES_GAMEPLAYING, false);

    // A menu or the view's own context menu lies over the image.
    editor->SetSceneViewHovered(false);
    Click(kCentreX, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    editor->SetSceneViewHovered(true);

    editor->SetInspecting(stall);
    Click(95, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), stall) << "a click beside the view keeps the selection";
    EXPECT_FALSE(ConsoleHas("Found Nothing"));
}

TEST_F(SceneView, SelectingOutlinesTheNewObjectAndNotTheOldOne)
{
    GameObject* a = Make("A", -200.0f, 0.0f, 1.0f);
    GameObject* b = Make("B", 200.0f, 0.0f, 1.0f);
    a->AddComponent(CT_Sprite);
    b->AddComponent(CT_Sprite);
    Click(400, kCentreY);
    EXPECT_TRUE(a->GetComponent<Sprite>()->getDebug());
    Click(600, kCentreY);
    EXPECT_FALSE(a->GetComponent<Sprite>()->getDebug());
    EXPECT_TRUE(b->GetComponent<Sprite>()->getDebug());
}

TEST_F(SceneView, TranslateMovesByTheDraggedDistanceInWorldUnits)
{
    GameObject* stall = Make("Stall", 0.0f, 0.0f, 1.0f);
    editor->SetInspecting(stall);
    editor->SetGizmoMode(Editor::GizmoTranslate);
    Cursor(kCentreX, kCentreY);
    editor->SetMouseClick(true);
    // 30 pixels right and 10 up over two frames: 60 and 20 world units.
    Cursor(kCentreX + 20, kCentreY);
    GizmoFrame(20.0f, 0.0f);
    Cursor(kCentreX + 30, kCentreY - 10);
    GizmoFrame(10.0f, -10.0f);
    editor->SetMouseClick(false);
    const Vector2D p = stall->GetComponent<Transform>()->GetTransVec();
    EXPECT_NEAR(p.x, 60.0f, 1e-3f);
    EXPECT_NEAR(p.y, 20.0f, 1e-3f);

    // A new drag starts from where the mouse is now, not where the last ended.
    Cursor(kCentreX - 100, kCentreY);
    editor->SetMouseClick(true);
    GizmoFrame(0.0f, 0.0f);
    EXPECT_NEAR(stall->GetComponent<Transform>()->GetTransVec().x, 60.0f, 1e-3f);
}

TEST_F(SceneView, ScaleAndRotateFollowTheMouseMovement)
{
    GameObject* stall = Make("Stall", 0.0f, 0.0f, 1.0f);
    Transform* t = stall->GetComponent<Transform>();
    editor->SetInspecting(stall);
    Cursor(kCentreX, kCentreY);
    editor->SetMouseClick(true);
    editor->SetGizmoMode(Editor::GizmoScale);
    GizmoFrame(10.0f, 10.0f);
    EXPECT_FLOAT_EQ(t->GetScaleVec().x, 2.0f);
    EXPECT_FLOAT_EQ(t->GetScaleVec().y, 0.0f);
    editor->SetGizmoMode(Editor::GizmoRotate);
    GizmoFrame(5.0f, 0.0f);
    EXPECT_FLOAT_EQ(t->GetRotation(), 1.0f);
}

TEST_F(SceneView, TurnedObjectsArePickedWhereTheyAreDrawn)
{
    GameObject* stall = Make("Stall", 100.0f, 0.0f, 1.0f);
    Transform* t = stall->GetComponent<Transform>();
    t->SetRot(45.0f);
    // A 100-unit square turned by 45 degrees reaches 70.7 units out along
    // the axes and no further than 50 along its diagonals.
    EXPECT_TRUE(Editor::HitTest(*t, Vector2D(100.0f, 0.0f)));
    EXPECT_TRUE(Editor::HitTest(*t, Vector2D(165.0f, 0.0f)));
    EXPECT_TRUE(Editor::HitTest(*t, Vector2D(100.0f, -65.0f)));
    EXPECT_FALSE(Editor::HitTest(*t, Vector2D(145.0f, 45.0f)));
    EXPECT_FALSE(Editor::HitTest(*t, Vector2D(175.0f, 0.0f)));
    t->SetScale(0.0f, 1.0f);
    EXPECT_FALSE(Editor::HitTest(*t, Vector2D(100.0f, 0.0f))) << "a flattened object covers nothing";
}

TEST_F(SceneView, WhilePlayingTheGameSeesTheMouseThroughTheView)
{
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    Cursor(kCentreX, kCentreY);
    Vector2D p = graphics->CurrentMouseToWorld();
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
    Cursor(100, 50);
    p = graphics->CurrentMouseToWorld();
    EXPECT_EQ(p.x, -800.0f);
    EXPECT_EQ(p.y, 450.0f);
}
