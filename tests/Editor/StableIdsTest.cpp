// Deleting in the editor: the objects left keep their ids and their files,
// and a save afterwards removes only what was deleted.
#include "Editor/EditorWorld.h"

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class StableIds : public EditorWorld
    {
    protected:
        std::string Scenes() const { return folder + "/Assets/Scenes/"; }

        void Frames(int count)
        {
            Quiet([&] {
                for (int i = 0; i < count; ++i)
                    Frame();
            });
        }

        // A saved scene "Kitchen", opened: Chef 1, Stall 2 with its child
        // Sign 3, Bin 4 and Quest 5, side by side.
        void Kitchen()
        {
            Make("Chef", -600.0f, 0.0f);
            GameObject* stall = Make("Stall", -300.0f, 0.0f);
            Make("Sign", -300.0f, 250.0f)->AddParent(stall);
            Make("Bin", 0.0f, 0.0f);
            Make("Quest", 300.0f, 0.0f);
            Quiet([&] { ASSERT_TRUE(editor->SaveSceneAs("Kitchen")); });
            Quiet([&] { editor->OpenScene("Kitchen"); });
            Frames(3);
            ASSERT_EQ(factory->GetObjects().size(), 5u);
        }

        // Pressed and released over the object's place in the scene view.
        void ClickOn(const std::string& name)
        {
            GameObject* o = factory->FindObjByName(name);
            ASSERT_NE(o, nullptr);
            const Vector2D at = editor->WorldToView(o->GetComponent<Transform>()->GetTransVec());
            const int x = static_cast<int>(at.x);
            const int y = static_cast<int>(at.y);
            Cursor(x, y);
            Frames(2);
            fake.PushMouse(Platform::EventType::MouseDown, x, y, 0);
            Frames(1);
            fake.PushMouse(Platform::EventType::MouseUp, x, y, 0);
            Frames(1);
            ASSERT_EQ(editor->GetInspecting(), factory->FindObjByName(name));
        }

        void Press(int vk, bool ctrl = false)
        {
            PushPress(vk, ctrl);
            Frames(2);
        }

        std::map<std::string, std::string> Files()
        {
            std::map<std::string, std::string> files;
            for (const auto& entry : fs::directory_iterator(Scenes() + "Kitchen"))
                files[entry.path().filename().string()] = ReadAll(entry.path().string());
            return files;
        }

        // The index as it was, without the lines of the named objects.
        static std::string Without(std::string index, const std::vector<std::string>& names)
        {
            for (const std::string& name : names)
            {
                const std::size_t at = index.find("name=\"" + name + "\"");
                const std::size_t start = index.rfind('\n', at) + 1;
                index.erase(start, index.find('\n', at) + 1 - start);
            }
            return index;
        }
    };
}

TEST_F(StableIds, DeletingKeepsEveryOtherObjectsIdAndFileThroughTheNextSave)
{
    Kitchen();
    const std::string index = ReadAll(Scenes() + "Kitchen.xml");
    std::map<std::string, std::string> before = Files();
    ASSERT_EQ(before.size(), 5u);

    ClickOn("Bin");
    Press(VK::Delete);
    EXPECT_EQ(factory->FindObjByName("Bin"), nullptr);
    EXPECT_EQ(factory->FindObjByName("Quest")->GetId(), 5u) << "the highest id does not move into the freed one";
    EXPECT_EQ(factory->FindObjectWithId(4), nullptr);
    Press('S', true);
    ASSERT_TRUE(ConsoleHas("Saved scene \"Kitchen\""));
    std::map<std::string, std::string> expected = before;
    expected.erase("4.xml");
    EXPECT_EQ(Files(), expected) << "only the deleted object's file goes; no other file is rewritten";
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen.xml"), Without(index, {"Bin"}));

    // A node with a child: both go, nothing else is renumbered.
    ClickOn("Stall");
    Press(VK::Delete);
    Press('S', true);
    expected.erase("2.xml");
    expected.erase("3.xml");
    EXPECT_EQ(Files(), expected);
    EXPECT_EQ(ReadAll(Scenes() + "Kitchen.xml"), Without(index, {"Stall", "Sign", "Bin"}));
    EXPECT_EQ(factory->FindObjByName("Chef")->GetId(), 1u);
    EXPECT_EQ(factory->FindObjByName("Quest")->GetId(), 5u);

    // New objects take fresh ids, not the freed ones, and the scene with
    // gaps reads back as it was written.
    EXPECT_EQ(editor->AddObject()->GetId(), 6u);
    Press('S', true);
    Quiet([&] { editor->OpenScene("Kitchen"); });
    Frames(2);
    EXPECT_EQ(factory->GetObjects().size(), 3u);
    EXPECT_EQ(factory->FindObjByName("Quest")->GetId(), 5u);
    EXPECT_FALSE(editor->HasUnsavedChanges());
    EXPECT_EQ(factory->CreateEmptyComposition()->GetId(), 7u);
}

TEST_F(StableIds, WhileTheGamePlaysDestroyedIdsAreStillReused)
{
    Kitchen();
    Quiet([&] { ASSERT_TRUE(editor->TogglePlayStop()); });
    Frames(1);
    Destroy(factory->FindObjByName("Bin"));
    Frames(1);
    EXPECT_EQ(factory->FindObjByName("Quest")->GetId(), 4u);
    Quiet([&] { editor->TogglePlayStop(); });
    Frames(2);
    EXPECT_EQ(factory->FindObjByName("Quest")->GetId(), 5u) << "STOP brings the scene back as it was";
    EXPECT_NE(factory->FindObjByName("Bin"), nullptr);
}
