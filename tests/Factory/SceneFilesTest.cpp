// Scene files: byte-identical round trips, safe saving, stale files, names,
// and the editor's snapshot scene.
#include "Objects/TestWorld.h"

#include <map>

using namespace KiteTest;
namespace fs = std::filesystem;

namespace
{
    // Every file of a saved scene, by name relative to the Scenes folder.
    std::map<std::string, std::string> SceneFiles(const std::string& folder)
    {
        std::map<std::string, std::string> files;
        files["index"] = ReadFile(folder + ".xml");
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            files[it->path().filename().string()] = ReadFile(it->path().string());
        return files;
    }

    void Fill(Shapes& s)
    {
        s.count = -12;
        s.amount = 4000000000u;
        s.ratio = 0.1f;
        s.flag = true;
        s.label = "Fish & <Chips> \"quoted\"";
        s.offset = Vector2D(0.0f, -3.0f);
        s.tint = Colour(0.25f, 0.5f, 0.75f, 1.0f);
        s.colour = {1.0f, 0.5f, 0.0f, 1234.5678f};
        s.numbers = {3, -1, 0};
        s.paths = {"Sprites/a.png", ""};
        s.sprites = {{"on.png"}, {"off.png", "off2.png"}};
        s.nested = {{"a", "b"}, {}, {"c"}};
        s.links = {{"start1", 2u}, {"o3", 0u}};
        s.groups = {{5, {"x", "y"}}, {-2, {}}};
    }
}

using SceneFiles_ = World;

TEST_F(SceneFiles_, SaveLoadSaveGivesIdenticalFiles)
{
    GameObject* root = Make("Root");
    root->GetComponent<Transform>()->SetTrans(10.0f, 20.5f);
    Shapes* shapes = new Shapes();
    Fill(*shapes);
    root->AddComponent(shapes);
    GameObject* child = Make("Child");
    child->AddParent(root);
    child->SetLayerTag(2);
    child->setActive(false);
    GameObject* button = Make("Button");
    Panel* panel = new Panel();
    panel->caption = "Play";
    button->AddComponent(panel);
    GameObject* label = Make("Label", false);
    label->AddComponent(new Panel());
    label->AddParent(button);
    GameObject* empty = Make("Empty", false);
    (void)empty;

    ASSERT_TRUE(factory->SerialiseLevel(scene));
    std::map<std::string, std::string> first = SceneFiles(SceneFolder());
    ASSERT_EQ(first.size(), 6u);
    // Ordinary objects first, then user-interface ones, each by id.
    const std::string& index = first["index"];
    EXPECT_LT(index.find("name=\"Root\""), index.find("name=\"Empty\""));
    EXPECT_LT(index.find("name=\"Empty\""), index.find("name=\"Button\""));
    EXPECT_NE(index.find("<GameObject name=\"Child\" objectId=\"2\" parentId=\"1\" active=\"false\" layerTag=\"2\"/>"),
              std::string::npos);

    Load(scene);
    ASSERT_EQ(factory->GetObjects().size(), 3u);
    ASSERT_EQ(factory->GetUIObjects().size(), 2u);
    GameObject* loadedChild = factory->FindObjectWithId(2);
    ASSERT_NE(loadedChild, nullptr);
    EXPECT_EQ(loadedChild->getName(), "Child");
    EXPECT_FALSE(loadedChild->isActive());
    EXPECT_EQ(loadedChild->GetParent(), factory->FindObjectWithId(1));
    EXPECT_EQ(factory->FindObjectWithId(4)->GetParent(), factory->FindObjectWithId(3));
    Shapes* back = factory->FindObjectWithId(1)->GetComponent<Shapes>();
    ASSERT_NE(back, nullptr);
    Shapes expected;
    Fill(expected);
    EXPECT_EQ(back->label, expected.label);
    EXPECT_EQ(back->amount, expected.amount);
    EXPECT_EQ(back->colour, expected.colour);
    EXPECT_EQ(back->groups, expected.groups);
    EXPECT_EQ(back->links, expected.links);
    EXPECT_EQ(back->nested, expected.nested);
    EXPECT_EQ(factory->FindObjectWithId(3)->GetComponent<Panel>()->caption, "Play");
    EXPECT_EQ(factory->GetCounter(), 5u);

    ASSERT_TRUE(factory->SerialiseLevel(scene));
    EXPECT_EQ(SceneFiles(SceneFolder()), first);
}

TEST_F(SceneFiles_, SavingAgainRemovesFilesOfObjectsThatAreGone)
{
    Make("a");
    Make("b");
    GameObject* c = Make("c");
    ASSERT_TRUE(factory->SerialiseLevel(scene));
    WriteFile(SceneFolder() + "/notes.txt", "kept");
    c->Destroy();
    factory->Update();
    ASSERT_TRUE(factory->SerialiseLevel(scene));
    std::map<std::string, std::string> files = SceneFiles(SceneFolder());
    EXPECT_EQ(files.count("1.xml"), 1u);
    EXPECT_EQ(files.count("2.xml"), 1u);
    EXPECT_EQ(files.count("3.xml"), 0u);
    EXPECT_EQ(files.count("notes.txt"), 1u);
    EXPECT_EQ(files.size(), 4u);
}

TEST_F(SceneFiles_, FailedSaveKeepsTheOldFilesAndSaysSo)
{
    GameObject* a = Make("a");
    Make("b");
    ASSERT_TRUE(factory->SerialiseLevel(scene));
    std::map<std::string, std::string> before = SceneFiles(SceneFolder());

    a->GetComponent<Transform>()->SetTrans(5.0f, 5.0f);
    Make("c");
    // A folder where the third object's file must be written first.
    fs::create_directories(SceneFolder() + "/3.xml.tmp");
    const std::string log = testing::TempDir() + "kite_save_log_" + std::to_string(getpid()) + ".txt";
    fs::remove(log);
    engine->SetLogPath(log);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(factory->SerialiseLevel(scene));
    const std::string err = testing::internal::GetCapturedStderr();
    // Each failure is one line naming the file, on standard error and in log.txt.
    const std::string written = SceneFolder() + "/3.xml.tmp: cannot be written: Is a directory\n";
    const std::string notSaved = "Save: scene \"" + scene + "\" was not saved; its files are unchanged\n";
    EXPECT_EQ(err, written + notSaved);
    engine->writeLogBuffer();
    EXPECT_EQ(ReadFile(log), "ERROR: " + written + "ERROR: " + notSaved);
    fs::remove(log);

    fs::remove(SceneFolder() + "/3.xml.tmp");
    EXPECT_EQ(SceneFiles(SceneFolder()), before);

    ASSERT_TRUE(factory->SerialiseLevel(scene));
    EXPECT_NE(SceneFiles(SceneFolder()), before);
}

TEST_F(SceneFiles_, UnusableNamesAreRejected)
{
    Make("a");
    testing::internal::CaptureStderr();
    for (const std::string name : {"", ".", "..", "a/b", "a\\b", "up..", "../Scenes"})
        EXPECT_FALSE(factory->SerialiseLevel(name)) << name;
    EXPECT_FALSE(archetypes->MakeArchetypeAndSerialise("../x", factory->FindObjByName("a")));
    EXPECT_FALSE(archetypes->MakeArchetypeAndSerialise("", factory->FindObjByName("a")));
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(fs::exists(engine->GetAssetPath() + "Scenes/a"));
    EXPECT_TRUE(GameObjectFactory::IsValidFileName("Level1"));
    EXPECT_TRUE(GameObjectFactory::IsValidFileName("my scene.v2"));
}

TEST_F(SceneFiles_, ComponentsWithoutACreatorAreReportedAndLeftOut)
{
    GameObject* a = Make("a");
    GameComponent* stray = new GameComponent(CT_Other);
    a->AddComponent(stray);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(factory->SerialiseLevel(scene));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("component type 43 has no creator"), std::string::npos) << err;
    std::string file = ReadFile(SceneFolder() + "/1.xml");
    EXPECT_NE(file.find("<Transform>"), std::string::npos);
}

TEST_F(SceneFiles_, FactoryRemovesTheEditorSnapshotWithoutAShell)
{
    const std::string scenes = engine->GetAssetPath() + "Scenes/";
    WriteFile(scenes + "tmp/1.xml", "<Components/>");
    WriteFile(scenes + "tmp/sub/2.xml", "<Components/>");
    WriteFile(scenes + "tmp.xml", "<Scene/>");
    WriteFile(scenes + scene + ".xml", "<Scene/>");
    engine->CleanEngine();
    EXPECT_FALSE(fs::exists(scenes + "tmp"));
    EXPECT_FALSE(fs::exists(scenes + "tmp.xml"));
    EXPECT_TRUE(fs::exists(scenes + scene + ".xml"));
}

TEST_F(SceneFiles_, CommittedSceneLoadsAndSavesUnchanged)
{
    const std::string fixture = std::string(KITE_TEST_DATA) + "/Scenes/Showcase";
    fs::create_directories(SceneFolder());
    fs::copy_file(fixture + ".xml", SceneFolder() + ".xml");
    fs::copy(fixture, SceneFolder());

    Load(scene);
    GameObject* counter = factory->FindObjByName("Counter");
    ASSERT_NE(counter, nullptr);
    EXPECT_EQ(counter->GetComponent<Transform>()->GetTransVec(), Vector2D(-255.5f, 120.5f));
    EXPECT_EQ(counter->GetComponent<Shapes>()->label, "Noodles & Rice");
    EXPECT_EQ(counter->GetComponent<Probe>()->speed, 2.5f);
    EXPECT_EQ(factory->FindObjByName("Hint")->GetParent(), factory->FindObjByName("PlayButton"));
    EXPECT_FALSE(factory->FindObjByName("Hint")->isActive());

    ASSERT_TRUE(factory->SerialiseLevel(scene));
    std::map<std::string, std::string> saved = SceneFiles(SceneFolder());
    std::map<std::string, std::string> committed = SceneFiles(fixture);
    EXPECT_EQ(saved, committed);
}
