// The editor's modes and files: edit mode at start, play and stop through
// the snapshot, saving and new scenes, the scene list, the selection.
#include "Editor/EditorWorld.h"

#include <sys/stat.h>

#include "Core/Graphics/Sprite.h"

using namespace KiteTest;

namespace
{
    std::size_t CountNamed(GameObjectFactory* factory, const std::string& name)
    {
        std::size_t n = 0;
        for (const auto& entry : factory->GetObjects())
            n += entry.second->getName() == name;
        return n;
    }
}

TEST_F(EditorWorld, OpensInEditModeWithTheGameStopped)
{
    EXPECT_TRUE(engine->GetEngineStatus(ES_EDITORVIEW));
    EXPECT_FALSE(engine->GetEngineStatus(ES_GAMEPLAYING));
    Frame();
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
    EXPECT_FALSE(editor->IsPlaying());
    // An ordinary window, and the status bit says so.
    EXPECT_FALSE(fake.lastWindow->fullScreen);
    EXPECT_FALSE(engine->GetEngineStatus(ES_FULLSCREEN));
}

TEST_F(EditorWorld, PlayThenStopRestoresTheSceneUnderItsOwnName)
{
    Make("Chef", 10.0f, 20.0f);
    Make("Stall");
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor->TogglePlayStop());
    EXPECT_TRUE(engine->GetEngineStatus(ES_GAMEPLAYING));
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);
    EXPECT_TRUE(editor->HasSnapshot());

    // The game changes the scene while it plays.
    factory->FindObjByName("Chef")->setName("Burnt");
    factory->FindObjByName("Stall")->Destroy();
    Frame();
    ASSERT_TRUE(editor->TogglePlayStop());
    Frame();
    testing::internal::GetCapturedStdout();

    EXPECT_FALSE(engine->GetEngineStatus(ES_GAMEPLAYING));
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Kitchen");
    EXPECT_EQ(CountNamed(factory, "Chef"), 1u);
    EXPECT_EQ(CountNamed(factory, "Stall"), 1u);
    EXPECT_EQ(CountNamed(factory, "Burnt"), 0u);
    EXPECT_EQ(factory->FindObjByName("Chef")->GetComponent<Transform>()->GetTransVec().x, 10.0f);
    // The snapshot is never offered as a scene.
    editor->RefreshSceneList();
    for (const std::string& name : editor->GetSceneList())
        EXPECT_NE(name, "tmp");
}

TEST_F(EditorWorld, StopWithoutASnapshotOnlyStops)
{
    Make("Chef");
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(editor->TogglePlayStop());
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(engine->GetEngineStatus(ES_GAMEPLAYING));
    EXPECT_FALSE(scenes->IsLoadPending());
    Frame();
    EXPECT_EQ(CountNamed(factory, "Chef"), 1u);
}

TEST_F(EditorWorld, PlayIsRefusedWhenTheSnapshotCannotBeSaved)
{
    Make("Chef");
    // A file where the snapshot's folder must go.
    std::ofstream(folder + "/Assets/Scenes/tmp") << "in the way";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(editor->TogglePlayStop());
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(engine->GetEngineStatus(ES_GAMEPLAYING));
    EXPECT_FALSE(editor->HasSnapshot());
    EXPECT_TRUE(ConsoleHas("PLAY refused"));
}

TEST_F(EditorWorld, NothingIsSavedWhilePlayingOrUnderTheSnapshotsName)
{
    Make("Chef");
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    testing::internal::CaptureStdout();
    ASSERT_TRUE(editor->TogglePlayStop());
    EXPECT_FALSE(editor->SaveScene());
    EXPECT_FALSE(editor->SaveSceneAs("Other"));
    EXPECT_FALSE(editor->CreateNewScene("Fresh"));
    editor->SetInspecting(factory->FindObjByName("Chef"));
    EXPECT_EQ(editor->CreateArchetype("ChefCopy"), Editor::ArchetypeResult::Failed);
    editor->TogglePlayStop();
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(fs::exists(folder + "/Assets/Scenes/Other.xml"));
    EXPECT_FALSE(fs::exists(folder + "/Assets/Scenes/Fresh.xml"));
    EXPECT_FALSE(fs::exists(folder + "/Assets/Archetypes/ChefCopy.xml"));

    EXPECT_FALSE(Editor::IsSavableSceneName("tmp"));
    EXPECT_FALSE(editor->SaveSceneAs("tmp"));
    EXPECT_FALSE(editor->CreateNewScene("tmp"));
    EXPECT_TRUE(ConsoleHas("cannot be a scene's name"));
}

TEST_F(EditorWorld, SaveAsTakesTheNewNameAtOnceAndListsIt)
{
    Make("Chef");
    ASSERT_TRUE(editor->SaveSceneAs("First"));
    EXPECT_EQ(scenes->GetCurrentSceneName(), "First");
    factory->FindObjByName("Chef")->setName("Cook");
    // The next plain save goes to the new name, not the old one.
    ASSERT_TRUE(editor->SaveScene());
    const auto& list = editor->GetSceneList();
    EXPECT_NE(std::find(list.begin(), list.end(), "First"), list.end());

    testing::internal::CaptureStderr();
    editor->OpenScene("First");
    Frame();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(CountNamed(factory, "Cook"), 1u);
    EXPECT_EQ(scenes->GetCurrentSceneName(), "First");
}

TEST_F(EditorWorld, NewSceneNeverEmptiesAnExistingScene)
{
    Make("Chef");
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    const std::string before = ReadAll(folder + "/Assets/Scenes/Kitchen.xml");
    EXPECT_FALSE(editor->CreateNewScene("Kitchen"));
    EXPECT_EQ(ReadAll(folder + "/Assets/Scenes/Kitchen.xml"), before);
    EXPECT_EQ(CountNamed(factory, "Chef"), 1u);

    editor->SetInspecting(factory->FindObjByName("Chef"));
    ASSERT_TRUE(editor->CreateNewScene("Empty"));
    EXPECT_EQ(editor->GetInspecting(), nullptr);
    EXPECT_TRUE(factory->GetObjects().empty());
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Empty");
    EXPECT_TRUE(fs::exists(folder + "/Assets/Scenes/Empty.xml"));
}

TEST_F(EditorWorld, AFailedSaveSaysSoAndChangesNothing)
{
    Make("Chef");
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    const std::string before = ReadAll(folder + "/Assets/Scenes/Kitchen.xml");
    // Neither scene's index can be written: folders stand where the
    // staged files must go.
    fs::create_directories(folder + "/Assets/Scenes/Kitchen.xml.tmp");
    fs::create_directories(folder + "/Assets/Scenes/Pantry.xml.tmp");
    Make("Stall");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(editor->SaveScene());
    EXPECT_FALSE(editor->SaveSceneAs("Pantry"));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ConsoleHas("Save failed"));
    EXPECT_EQ(ReadAll(folder + "/Assets/Scenes/Kitchen.xml"), before);
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Kitchen");
    EXPECT_EQ(factory->GetObjects().size(), 2u);
}

TEST_F(EditorWorld, TheSelectionGoesWithItsObjectAndWithTheScene)
{
    GameObject* chef = Make("Chef");
    editor->SetInspecting(chef);
    chef->Destroy();
    Frame();
    EXPECT_EQ(editor->GetInspecting(), nullptr);

    editor->SetInspecting(Make("Stall"));
    Message clear(MsgID::ClearScene);
    engine->BroadcastMessage(&clear);
    EXPECT_EQ(editor->GetInspecting(), nullptr);
}

TEST_F(EditorWorld, SceneListSkipsTheSnapshotAndCutsAtTheFirstXml)
{
    for (const char* file : {"tmp.xml", "Level1.xml", "Old.xml.bak", "notes.txt"})
        std::ofstream(folder + "/Assets/Scenes/" + file) << "<Scene/>";
    editor->RefreshSceneList();
    std::vector<std::string> expected = {"Level1", "Old"};
    EXPECT_EQ(editor->GetSceneList(), expected);
    EXPECT_EQ(Editor::SceneNameFromPath("/some/where/Level1.xml"), "Level1");
}

TEST_F(EditorWorld, SystemTimesKeepTenSharesOfTheFrame)
{
    for (int i = 0; i < 12; ++i)
        editor->UpdateSystemTime(ST_Input, 0.001f * static_cast<float>(i), 0.1f);
    const auto* history = editor->GetHistory(ST_Input);
    ASSERT_NE(history, nullptr);
    EXPECT_NEAR((*history)[9], 11.0f, 1e-4f);
    EXPECT_NEAR((*history)[0], 2.0f, 1e-4f);
    // Tiny or negative times are stored as 0; systems without history are ignored.
    editor->UpdateSystemTime(ST_Input, -1.0f, 0.1f);
    EXPECT_EQ((*history)[9], 0.0f);
    editor->UpdateSystemTime(ST_UISystem, 1.0f, 0.5f);
    EXPECT_EQ(editor->GetHistory(ST_UISystem), nullptr);
    EXPECT_EQ(editor->GetFrameTime(), 0.5f);
}

TEST_F(EditorWorld, ANewArchetypeIsWrittenAndTheGameCanInstantiateIt)
{
    GameObject* chef = Make("Chef", 5.0f, 5.0f, 3.0f);
    EXPECT_EQ(editor->CreateArchetype("EdChef"), Editor::ArchetypeResult::Failed) << "nothing is selected";
    editor->SetInspecting(chef);
    testing::internal::CaptureStderr();
    EXPECT_EQ(editor->CreateArchetype("bad/name"), Editor::ArchetypeResult::Failed);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(ConsoleHas("Archetype \"bad/name\" was not saved."));
    ASSERT_EQ(editor->CreateArchetype("EdChef"), Editor::ArchetypeResult::Saved);
    EXPECT_TRUE(fs::exists(folder + "/Assets/Archetypes/EdChef.xml"));
    GameObject* copy = Instantiate("EdChef", Vector2D(100.0f, 0.0f), 0.0f);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, chef);
    EXPECT_EQ(copy->GetComponent<Transform>()->GetScaleVec().x, 3.0f);
    EXPECT_EQ(copy->GetComponent<Transform>()->GetTransVec().x, 100.0f);
}

TEST_F(EditorWorld, AssetsLoadByExactExtensionAndTheFolderOpensWithoutAShell)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    editor->LoadAsset(folder + "/Assets/Audio/Theme.OGG");
    editor->LoadAsset(folder + "/Assets/readme.txt");
    EXPECT_TRUE(ConsoleHas("Not loaded: \"" + folder + "/Assets/Audio/Theme.OGG\""));
    EXPECT_TRUE(ConsoleHas("readme.txt\" is neither"));

    // Without a viewer to start, the editor says so and goes on.
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (folder + "/nowhere").c_str(), 1);
    editor->OpenProjectFolder();
    setenv("PATH", path.c_str(), 1);
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(ConsoleHas("Cannot open the project folder"));
}

TEST_F(EditorWorld, WaypointEditingComplaintsReachTheConsole)
{
    GameObject* o = Make("Node");
    auto* node = static_cast<VertexNode*>(o->AddComponent(CT_VertexNode));
    ASSERT_NE(node, nullptr);
    testing::internal::CaptureStdout();
    node->AddLink("Nowhere", 3, false);
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(ConsoleHas("Adding of link failed!"));
}

TEST_F(EditorWorld, TheExplorerStartsAtTheAssetTree)
{
    std::vector<std::string> expected = {"..", "Archetypes", "Scenes"};
    EXPECT_EQ(editor->GetDirectoryListing(), expected);
}

TEST_F(EditorWorld, AnExistingArchetypeIsReplacedOnlyWhenConfirmedAndThenReloaded)
{
    const std::string file = folder + "/Assets/Archetypes/Tick.xml";
    const std::string old = "<Components>\n    <Transform>\n        <translation>\n            <x>0</x>\n"
                            "            <y>0</y>\n        </translation>\n        <zDepth>0</zDepth>\n"
                            "        <scale>\n            <x>2</x>\n            <y>2</y>\n        </scale>\n"
                            "        <rotation>0</rotation>\n    </Transform>\n</Components>\n";
    std::ofstream(file) << old;
    testing::internal::CaptureStderr();
    archetypes->LoadAllArchetypes();
    testing::internal::GetCapturedStderr();
    ASSERT_NE(archetypes->FindArchetype("Tick"), nullptr);

    editor->SetInspecting(Make("Clock", 0.0f, 0.0f, 5.0f));
    EXPECT_EQ(editor->CreateArchetype("Tick"), Editor::ArchetypeResult::Exists);
    EXPECT_EQ(ReadAll(file), old);
    EXPECT_EQ(Instantiate("Tick", Vector2D(), 0.0f)->GetComponent<Transform>()->GetScaleVec().x, 2.0f);

    ASSERT_EQ(editor->CreateArchetype("Tick", true), Editor::ArchetypeResult::Saved);
    EXPECT_NE(ReadAll(file), old);
    EXPECT_TRUE(ConsoleHas("Archetype \"Tick\" replaced and reloaded."));
    EXPECT_EQ(archetypes->FindArchetype("Tick")->getName(), "Tick");
    EXPECT_EQ(Instantiate("Tick", Vector2D(), 0.0f)->GetComponent<Transform>()->GetScaleVec().x, 5.0f);
}

TEST_F(EditorWorld, CreateAddMakesANodeASquareAndACircleFromTheShippedArchetypes)
{
    const fs::path shipped = fs::path(KITE_ASSET_ROOT) / "Archetypes";
    for (const Editor::AddEntry& entry : Editor::AddMenuArchetypes())
    {
        const std::string file = std::string(entry.archetype) + ".xml";
        ASSERT_TRUE(fs::is_regular_file(shipped / file)) << entry.label << " has no archetype";
        fs::copy_file(shipped / file, folder + "/Assets/Archetypes/" + file);
    }
    archetypes->LoadAllArchetypes();

    GameObject* node = editor->AddNode();
    ASSERT_NE(node, nullptr);
    EXPECT_TRUE(node->HasComponent(CT_VertexNode));
    ASSERT_TRUE(node->HasComponent(CT_Sprite));
    EXPECT_TRUE(node->GetComponent<Sprite>()->IsShown()) << "a new node is seen while editing";
    for (GameObject* shape : {editor->AddSquare(), editor->AddCircle()})
    {
        ASSERT_NE(shape, nullptr);
        EXPECT_TRUE(shape->HasComponent(CT_Sprite));
        EXPECT_TRUE(shape->HasComponent(CT_Collider2D));
        EXPECT_EQ(shape->GetComponent<Transform>()->GetTransVec().x, 0.0f);
        EXPECT_EQ(shape->GetComponent<Transform>()->GetTransVec().y, 0.0f);
    }
    EXPECT_EQ(factory->GetObjects().size(), 3u);
}
