// A scene's files come from one asset tree: its object files from beside the
// index that was read, and a save goes back where scenes are read from.
#include "Objects/TestWorld.h"

using namespace KiteTest;
namespace fs = std::filesystem;

namespace
{
    class SceneTree : public World
    {
    protected:
        void SetUp() override
        {
            World::SetUp();
            base = fs::path(testing::TempDir()) / ("kite_scene_tree_" + std::to_string(getpid()));
            fs::remove_all(base);
            fs::create_directories(base / "work");
            previous = fs::current_path();
            fs::current_path(base / "work");
            engine->SetAssetPath((base / "program").generic_string() + "/");
        }

        void TearDown() override
        {
            fs::current_path(previous);
            std::error_code ec;
            fs::remove_all(base, ec);
            World::TearDown();
        }

        void PutScene(const fs::path& root, float speed)
        {
            WriteFile((root / "Scenes" / "Yard.xml").string(), "<Scene><GameObject name=\"a\" objectId=\"1\"/></Scene>");
            WriteFile((root / "Scenes" / "Yard" / "1.xml").string(),
                      "<Components><Probe><speed>" + std::to_string(speed) + "</speed></Probe></Components>");
        }

        fs::path base;
        fs::path previous;
    };
}

TEST_F(SceneTree, ObjectFilesComeFromBesideTheIndexThatWasRead)
{
    PutScene(base / "program", 2.0f);
    // A stray object file in the working tree, without an index beside it.
    WriteFile((base / "work" / "Assets" / "Scenes" / "Yard" / "1.xml").string(),
              "<Components><Probe><speed>7</speed></Probe></Components>");
    testing::internal::CaptureStderr();
    Load("Yard");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    GameObject* a = factory->FindObjectWithId(1);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(a->GetComponent<Probe>(), nullptr);
    EXPECT_EQ(a->GetComponent<Probe>()->speed, 2.0f);
}

TEST_F(SceneTree, TheWorkingFoldersTreeComesFirstAndASaveGoesBackThere)
{
    PutScene(base / "program", 2.0f);
    PutScene(base / "work" / "Assets", 5.0f);
    Load("Yard");
    GameObject* a = factory->FindObjectWithId(1);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->GetComponent<Probe>()->speed, 5.0f);

    a->GetComponent<Probe>()->speed = 6.0f;
    ASSERT_TRUE(factory->SerialiseLevel("Yard"));
    EXPECT_NE(ReadFile((base / "work" / "Assets" / "Scenes" / "Yard" / "1.xml").string()).find("<speed>6</speed>"),
              std::string::npos);
    EXPECT_NE(ReadFile((base / "program" / "Scenes" / "Yard" / "1.xml").string()).find("<speed>2"),
              std::string::npos);
}
