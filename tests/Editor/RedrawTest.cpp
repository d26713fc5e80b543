// When the editor draws: after input and while something moves, and not
// otherwise, so that a still editor costs next to nothing.
#include "Editor/EditorWorld.h"

#include "Core/Editor/EditorRedraw.h"

using namespace KiteTest;

TEST(EditorRedraw, DrawsForASettlingWhileAfterEachEventThenStops)
{
    EditorRedraw redraw;
    for (int i = 0; i < EditorRedraw::SettleFrames; ++i)
        ASSERT_TRUE(redraw.Decide(0, false)) << "frame " << i << " of the start";
    EXPECT_FALSE(redraw.Decide(0, false));
    EXPECT_TRUE(redraw.Idle());
    EXPECT_FALSE(redraw.Decide(0, false));

    // One event: a whole settling while again, counted from that frame.
    EXPECT_TRUE(redraw.Decide(1, false));
    EXPECT_FALSE(redraw.Idle());
    for (int i = 1; i < EditorRedraw::SettleFrames; ++i)
        ASSERT_TRUE(redraw.Decide(1, false)) << "frame " << i << " after the event";
    EXPECT_FALSE(redraw.Decide(1, false));

    // Something moving keeps every frame drawn, and the while runs from its end.
    for (int i = 0; i < 3 * EditorRedraw::SettleFrames; ++i)
        ASSERT_TRUE(redraw.Decide(1, true));
    EXPECT_TRUE(redraw.Decide(1, false));

    // A change without input wakes it as an event does.
    for (int i = 0; i < EditorRedraw::SettleFrames; ++i)
        redraw.Decide(1, false);
    EXPECT_TRUE(redraw.Idle());
    redraw.Wake();
    EXPECT_TRUE(redraw.Decide(1, false));
}

namespace
{
    class RedrawWorld : public EditorWorld
    {
    protected:
        // Frames until the editor stops building GUI frames; false when it
        // never does.
        bool SettleDown()
        {
            for (int i = 0; i < 4 * EditorRedraw::SettleFrames; ++i)
            {
                const int before = ImGui::GetFrameCount();
                Frame();
                if (ImGui::GetFrameCount() == before)
                    return true;
            }
            return false;
        }

        // GUI frames built over the next n engine frames.
        int GuiFramesOver(int n)
        {
            const int before = ImGui::GetFrameCount();
            for (int i = 0; i < n; ++i)
                Frame();
            return ImGui::GetFrameCount() - before;
        }
    };
}

TEST_F(RedrawWorld, ALeftAloneEditorStopsDrawingAndInputOrPlayBringsItBack)
{
    Make("Chef");
    ASSERT_TRUE(SettleDown()) << "the editor never stopped drawing";
    EXPECT_EQ(GuiFramesOver(30), 0);

    // A key: the frame it arrives in is drawn, and the ones after it.
    fake.PushKey(Platform::EventType::KeyDown, 'A');
    fake.PushKey(Platform::EventType::KeyUp, 'A');
    EXPECT_EQ(GuiFramesOver(10), 10);
    ASSERT_TRUE(SettleDown());

    // A scene loaded without input shows at once.
    ASSERT_TRUE(editor->SaveSceneAs("Quiet"));
    ASSERT_TRUE(SettleDown());
    scenes->LoadLevel("Quiet");
    Frame();
    EXPECT_EQ(GuiFramesOver(10), 10);

    // Playing draws every frame, long past the settling while.
    ASSERT_TRUE(SettleDown());
    ASSERT_TRUE(editor->TogglePlayStop());
    EXPECT_EQ(GuiFramesOver(3 * EditorRedraw::SettleFrames), 3 * EditorRedraw::SettleFrames);
    ASSERT_TRUE(editor->TogglePlayStop());
    EXPECT_TRUE(SettleDown());
}
