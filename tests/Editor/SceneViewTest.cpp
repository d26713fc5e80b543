// The scene view: the inside test, the conversion to world units, picking
// and the gizmo.
#include "Editor/EditorWorld.h"

#include "Core/Graphics/Sprite.h"

using namespace KiteTest;

namespace
{
    // The view is 800 by 450 pixels at (100, 50): 2 world units a pixel.
    constexpr int kCentreX = 500;
    constexpr int kCentreY = 275;

    class SceneView : public EditorWorld
    {
    protected:
        void SetUp() override
        {
            EditorWorld::SetUp();
            PlaceView();
        }

        void Click(int x, int y)
        {
            Cursor(x, y);
            testing::internal::CaptureStdout();
            editor->MouseToWorld();
            testing::internal::GetCapturedStdout();
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

TEST_F(SceneView, InterfaceObjectsWinThenTheLowestId)
{
    GameObject* first = Make("First", 0.0f, 0.0f, 1.0f);
    Make("Second", 0.0f, 0.0f, 1.0f);
    Click(kCentreX, kCentreY);
    EXPECT_EQ(editor->GetInspecting(), first);
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
