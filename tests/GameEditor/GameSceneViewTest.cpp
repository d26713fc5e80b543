// The scene view over the game's own components: the fade a level opens
// with is left out while editing and plays at play.
#include "GameEditor/GameEditorWorld.h"

#include <map>

#include "Core/Graphics/Sprite.h"
#include "StartUp/GameComponentTypes.h"

using namespace KiteTest;

namespace
{
    class SceneView : public GameEditorWorld
    {
    protected:
        void SetUp() override
        {
            GameEditorWorld::SetUp();
            PlaceView();
        }
    };

    std::map<std::string, std::string> SceneFiles(const std::string& folder, const std::string& scene)
    {
        std::map<std::string, std::string> files;
        files[scene + ".xml"] = ReadAll(folder + "/Assets/Scenes/" + scene + ".xml");
        for (const auto& entry : fs::directory_iterator(folder + "/Assets/Scenes/" + scene))
            files[entry.path().filename().string()] = ReadAll(entry.path().string());
        return files;
    }
}

TEST_F(SceneView, AFadeOverTheSceneIsLeftOutWhileEditingNeverSavedSoAndPlaysAtPlay)
{
    // The fade a level opens with: an opaque overlay in front of everything.
    GameObject* fade = Drawn("FadeIn", 0.0f, 0.0f, 1.0f, 1.01f);
    fade->GetComponent<Transform>()->SetScale(16.5f, 9.5f);
    ASSERT_TRUE(fade->AddComponent(CT_FadeInOverlay));
    Drawn("Floor", 0.0f, 0.0f, 16.0f, 100.0f);
    ASSERT_TRUE(editor->SaveSceneAs("Court"));
    const auto saved = SceneFiles(folder, "Court");
    testing::internal::CaptureStdout();
    editor->OpenScene("Court");
    Frame();
    testing::internal::GetCapturedStdout();

    Sprite* overlay = factory->FindObjByName("FadeIn")->GetComponent<Sprite>();
    EXPECT_FALSE(overlay->IsShown());
    EXPECT_TRUE(factory->FindObjByName("Floor")->GetComponent<Sprite>()->IsShown());
    PlaceView();
    Click(kCentreX, kCentreY);
    ASSERT_NE(editor->GetInspecting(), nullptr);
    EXPECT_EQ(editor->GetInspecting()->getName(), "Floor") << "the floor is what is seen there";
    editor->ClearInspecting();
    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor->SaveScene());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(SceneFiles(folder, "Court"), saved) << "showing the scene stores nothing";

    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor->TogglePlayStop());
    EXPECT_TRUE(overlay->IsShown());
    for (int i = 0; i < 10; ++i)
        Frame();
    EXPECT_GT(overlay->GetAlpha(), 0.0f);
    EXPECT_LT(overlay->GetAlpha(), 1.0f) << "the fade plays";
    ASSERT_TRUE(editor->TogglePlayStop());
    Frame();
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(factory->FindObjByName("FadeIn")->GetComponent<Sprite>()->IsShown());
}
