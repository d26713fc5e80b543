// The game's own scenes in the editor: saved untouched they are written back
// byte for byte; an edit changes only what was edited; what the editor does
// to show a scene (waypoint sprites, values the game shows) is never stored,
// and what the game changed while it played is gone after STOP.
#include "GameEditor/GameEditorWorld.h"

#include <map>
#include <sstream>

#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"

using namespace KiteTest;

namespace
{
    using Files = std::map<std::string, std::string>;

    Files SceneBytes(const fs::path& scenes, const std::string& name)
    {
        Files files;
        files[name + ".xml"] = ReadAll((scenes / (name + ".xml")).string());
        for (const fs::directory_entry& entry : fs::directory_iterator(scenes / name))
            files[name + "/" + entry.path().filename().string()] = ReadAll(entry.path().string());
        return files;
    }

    // The files of `after` that differ from `before` (or are new or gone).
    std::vector<std::string> Changed(const Files& before, const Files& after)
    {
        std::vector<std::string> changed;
        for (const auto& file : before)
        {
            auto it = after.find(file.first);
            if (it == after.end() || it->second != file.second)
                changed.push_back(file.first);
        }
        for (const auto& file : after)
            if (!before.count(file.first))
                changed.push_back(file.first);
        return changed;
    }

    // The lines of b that are not the same line of a (files of equal length).
    std::vector<std::string> ChangedLines(const std::string& a, const std::string& b)
    {
        std::istringstream x(a), y(b);
        std::string l, m;
        std::vector<std::string> lines;
        while (std::getline(x, l) && std::getline(y, m))
            if (l != m)
                lines.push_back(m);
        return lines;
    }

    class ShippedScenes : public GameEditorWorld
    {
    protected:
        void SetUp() override
        {
            GameEditorWorld::SetUp();
            fs::copy(shipped, scratch, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
            editor->RefreshSceneList();
        }

        void Open(const std::string& scene)
        {
            testing::internal::CaptureStdout();
            testing::internal::CaptureStderr();
            editor->OpenScene(scene);
            for (int i = 0; i < 3; ++i)
                Frame();
            testing::internal::GetCapturedStderr();
            testing::internal::GetCapturedStdout();
        }

        bool Save()
        {
            testing::internal::CaptureStdout();
            const bool saved = editor->SaveScene();
            testing::internal::GetCapturedStdout();
            return saved;
        }

        const fs::path shipped = fs::path(KITE_ASSET_ROOT) / "Scenes";
        const fs::path scratch = fs::path(folder) / "Assets" / "Scenes";
    };
}

TEST_F(ShippedScenes, AnUntouchedSaveRewritesNothing)
{
    ASSERT_GE(editor->GetSceneList().size(), 7u);
    for (const std::string& scene : editor->GetSceneList())
    {
        SCOPED_TRACE(scene);
        Open(scene);
        EXPECT_FALSE(editor->IsSceneUnsafeToSave());
        EXPECT_FALSE(editor->HasUnsavedChanges());
        EXPECT_TRUE(Save());
        const std::vector<std::string> changed = Changed(SceneBytes(shipped, scene), SceneBytes(scratch, scene));
        EXPECT_TRUE(changed.empty()) << changed.size() << " files changed, the first " << changed.front();
    }
}

TEST_F(ShippedScenes, AMoveChangesOnlyThatObjectsTranslation)
{
    Open("Level1");
    GameObject* moved = factory->FindObjByName("MaintenanceCostText");
    ASSERT_NE(moved, nullptr);
    Transform* t = moved->GetComponent<Transform>();
    const Vector2D to = t->GetTransVec() + Vector2D(40.0f, -25.0f);
    t->SetTrans(to.x, to.y);
    EXPECT_TRUE(editor->HasUnsavedChanges());
    ASSERT_TRUE(Save());
    EXPECT_FALSE(editor->HasUnsavedChanges());

    const Files before = SceneBytes(shipped, "Level1");
    const Files after = SceneBytes(scratch, "Level1");
    const std::string file = "Level1/" + std::to_string(moved->GetId()) + ".xml";
    ASSERT_EQ(Changed(before, after), std::vector<std::string>{file});
    // The text the game shows while the level runs keeps its stored value.
    const std::vector<std::string> lines = ChangedLines(before.at(file), after.at(file));
    ASSERT_EQ(lines.size(), 2u) << after.at(file);
    EXPECT_NE(lines[0].find("<x>"), std::string::npos);
    EXPECT_NE(lines[1].find("<y>"), std::string::npos);

    // Opened again, the object is where it was moved to.
    Open("Level1");
    EXPECT_EQ(factory->FindObjByName("MaintenanceCostText")->GetComponent<Transform>()->GetTransVec(), to);
}

TEST_F(ShippedScenes, AnEditKeepsTheFilesOwnSpellingOfEverythingElse)
{
    // The menu's files spell numbers their own way ("0.9", not the printed
    // "0.89999998") and list a button (a user-interface object) among the others.
    Open("MainMenu");
    GameObject* button = factory->FindObjByName("FullScreenButton");
    ASSERT_NE(button, nullptr);
    button->GetComponent<Transform>()->SetRot(15.0f);
    button->setName("FullScreenToggle");
    ASSERT_TRUE(Save());

    const Files before = SceneBytes(shipped, "MainMenu");
    const Files after = SceneBytes(scratch, "MainMenu");
    const std::string file = "MainMenu/" + std::to_string(button->GetId()) + ".xml";
    std::vector<std::string> expected = {"MainMenu.xml", file};
    EXPECT_EQ(Changed(before, after), expected);
    std::vector<std::string> lines = ChangedLines(before.at(file), after.at(file));
    ASSERT_EQ(lines.size(), 1u) << after.at(file);
    EXPECT_NE(lines[0].find("<rotation>15</rotation>"), std::string::npos);
    EXPECT_NE(after.at(file).find("<x>0.9</x>"), std::string::npos);
    lines = ChangedLines(before.at("MainMenu.xml"), after.at("MainMenu.xml"));
    ASSERT_EQ(lines.size(), 1u) << after.at("MainMenu.xml");
    EXPECT_NE(lines[0].find("FullScreenToggle"), std::string::npos);
}

TEST_F(ShippedScenes, WaypointNodesShowInTheEditorWithoutTheirStoredFlag)
{
    Open("Level1");
    std::size_t nodes = 0;
    for (const auto& entry : factory->GetObjects())
    {
        auto* node = entry.second->GetComponent<VertexNode>();
        auto* sprite = entry.second->GetComponent<Sprite>();
        if (!node || !sprite || !node->GetHideSprite())
            continue;
        ++nodes;
        EXPECT_TRUE(sprite->IsShown()) << entry.second->getName();
        EXPECT_FALSE(sprite->IsRenderable()) << entry.second->getName();
    }
    EXPECT_GT(nodes, 60u);

    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor->TogglePlayStop());
    GameObject* first = factory->FindObjByName("start1");
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->GetComponent<Sprite>()->IsShown()) << "hidden while the game plays";
    editor->TogglePlayStop();
    Frame();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(factory->FindObjByName("start1")->GetComponent<Sprite>()->IsShown());
    EXPECT_FALSE(editor->HasUnsavedChanges());
}

TEST_F(ShippedScenes, AfterStopTheSceneHoldsWhatItHeldBeforePlay)
{
    Open("Level1");
    const GameObjectFactory::SceneTexts before = factory->PrintLevel();
    auto upkeep = [this] { return factory->FindObjByName("MaintenanceCostText")->GetComponent<Text>()->String(); };
    const std::string shown = upkeep();

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    ASSERT_TRUE(editor->TogglePlayStop());
    for (int i = 0; i < 30; ++i)
        Frame();
    const bool changedWhilePlaying = factory->PrintLevel() != before;
    ASSERT_TRUE(editor->TogglePlayStop());
    Frame();
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(changedWhilePlaying) << "the running game changes its scene";

    EXPECT_EQ(upkeep(), shown);
    EXPECT_TRUE(factory->PrintLevel() == before) << "every value as it was before PLAY";
    EXPECT_FALSE(editor->HasUnsavedChanges());
}
