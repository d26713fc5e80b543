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

        // Whole engine frames, the editor laying out its own view.
        void Frames(int n)
        {
            testing::internal::CaptureStdout();
            for (int i = 0; i < n; ++i)
                Frame();
            testing::internal::GetCapturedStdout();
        }

        void MouseTo(float x, float y)
        {
            Cursor(static_cast<int>(x), static_cast<int>(y));
            fake.PushMouse(Platform::EventType::MouseMove, fake.cursorX, fake.cursorY);
            Frames(1);
        }

        void Button(Platform::EventType type)
        {
            fake.PushMouse(type, fake.cursorX, fake.cursorY, 0);
            Frames(1);
        }

        // The left button pressed at a window pixel, moved by (dx, dy) over
        // a few frames and let go.
        void DragFrom(Vector2D from, float dx, float dy)
        {
            MouseTo(from.x, from.y);
            Frames(1);
            Button(Platform::EventType::MouseDown);
            for (int step = 1; step <= 4; ++step)
                MouseTo(from.x + dx * static_cast<float>(step) / 4.0f, from.y + dy * static_cast<float>(step) / 4.0f);
            Button(Platform::EventType::MouseUp);
        }

        // The same from a world point, through the view.
        void Drag(Vector2D world, float dx, float dy) { DragFrom(editor->WorldToView(world), dx, dy); }

        static Vector2D At(GameObject* o) { return o->GetComponent<Transform>()->GetTransVec(); }
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
    // 10 pixels right and 10 down are 20 world units each way: a fifth of
    // the object's size wider and a fifth lower.
    Cursor(kCentreX + 10, kCentreY + 10);
    GizmoFrame(10.0f, 10.0f);
    EXPECT_FLOAT_EQ(t->GetScaleVec().x, 1.2f);
    EXPECT_FLOAT_EQ(t->GetScaleVec().y, 0.8f);
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

TEST_F(SceneView, ADragMovesOnlyTheSelectionItWasStartedOn)
{
    // A level's floor covers the whole view behind everything; a bin on it.
    GameObject* floor = Drawn("Background", 0.0f, 0.0f, 16.0f, 100.0f);
    GameObject* bin = Drawn("Bin", 200.0f, 0.0f, 1.0f, 10.0f);
    editor->SetGizmoMode(Editor::GizmoTranslate);
    Frames(2);
    const Vector2D emptyFloor(-300.0f, -200.0f);

    // A drag on the floor with nothing selected picks the floor, moves nothing.
    Drag(emptyFloor, 50.0f, -30.0f);
    EXPECT_EQ(editor->GetInspecting(), floor);
    EXPECT_EQ(At(floor).x, 0.0f);
    EXPECT_EQ(At(floor).y, 0.0f);

    // The bin selected, a drag started on the floor moves neither.
    Drag(Vector2D(200.0f, 0.0f), 0.0f, 0.0f);
    ASSERT_EQ(editor->GetInspecting(), bin);
    Drag(emptyFloor + Vector2D(0.0f, 100.0f), 50.0f, -30.0f);
    EXPECT_EQ(editor->GetInspecting(), floor);
    EXPECT_EQ(At(floor).x, 0.0f);
    EXPECT_EQ(At(bin).x, 200.0f);

    // A press beside the view dragged over it moves nothing either.
    Drag(Vector2D(200.0f, 0.0f), 0.0f, 0.0f);
    ASSERT_EQ(editor->GetInspecting(), bin);
    const Vector2D bin0 = editor->WorldToView(Vector2D(200.0f, 0.0f));
    DragFrom(Vector2D(editor->GetViewRect().x - 40.0f, bin0.y), 200.0f, 0.0f);
    EXPECT_EQ(At(bin).x, 200.0f);

    // A drag started on the selected bin moves it by the dragged distance.
    Drag(Vector2D(200.0f, 0.0f), 40.0f, -20.0f);
    EXPECT_EQ(editor->GetInspecting(), bin);
    const Editor::ViewRect& view = editor->GetViewRect();
    EXPECT_NEAR(At(bin).x, 200.0f + 40.0f * 1600.0f / view.w, 2.0f);
    EXPECT_NEAR(At(bin).y, 20.0f * 900.0f / view.h, 2.0f);
    EXPECT_EQ(At(floor).x, 0.0f);
}

TEST_F(SceneView, AScaleDragGrowsTheObjectByTheDraggedDistance)
{
    GameObject* bin = Drawn("Bin", 0.0f, 0.0f, 0.6f, 10.0f);
    editor->SetGizmoMode(Editor::GizmoScale);
    Frames(2);
    Drag(Vector2D(0.0f, 0.0f), 0.0f, 0.0f);
    ASSERT_EQ(editor->GetInspecting(), bin);
    // 50 pixels right: the width grows by those pixels' world units.
    Drag(Vector2D(0.0f, 0.0f), 50.0f, 0.0f);
    const float grown = 50.0f * 1600.0f / editor->GetViewRect().w / 100.0f;
    EXPECT_NEAR(bin->GetComponent<Transform>()->GetScaleVec().x, 0.6f + grown, 0.02f);
    EXPECT_NEAR(bin->GetComponent<Transform>()->GetScaleVec().y, 0.6f, 0.02f);
}
