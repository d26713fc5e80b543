// What the editor shows around the scene: the window's title names the scene
// and marks unsaved edits, the explorer opens scene files, and the console
// wraps long lines.
#include "Editor/EditorWorld.h"

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class Workspace : public EditorWorld
    {
    protected:
        // Enough frames for the title to catch up with an edit.
        void Frames(int n = 20)
        {
            testing::internal::CaptureStdout();
            for (int i = 0; i < n; ++i)
                Frame();
            testing::internal::GetCapturedStdout();
        }

        template <typename F>
        void Quiet(F f)
        {
            testing::internal::CaptureStdout();
            f();
            testing::internal::GetCapturedStdout();
        }

        const std::string& Title() const { return fake.lastWindow->title; }

        // The name field of the inspector, right of the scene view.
        void Rename(const std::string& added)
        {
            ClickAt(1720, 73);
            Type(added);
            Press(VK::Return);
        }

        // The explorer's "Project Files" node and its first row of entries.
        void ExplorerEntry(const std::string& name)
        {
            const auto& listing = editor->GetDirectoryListing();
            const auto at = std::find(listing.begin(), listing.end(), name);
            ASSERT_NE(at, listing.end()) << name;
            ClickAt(1039 + 108 * static_cast<int>(at - listing.begin()), 871);
        }

        void OpenProjectFiles() { ClickAt(975, 833); }
    };
}

TEST_F(Workspace, TheTitleNamesTheSceneAndMarksUnsavedEdits)
{
    GameObject* chef = Make("Chef", 10.0f, 20.0f);
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    Frames();
    EXPECT_EQ(Title(), "Kitchen - KiteEditorTest");

    editor->SetInspecting(chef);
    Frames();
    Rename("Cook");
    ASSERT_EQ(chef->getName(), "ChefCook");
    Frames();
    EXPECT_EQ(Title(), "Kitchen* - KiteEditorTest");

    // While playing it is still the scene's name and its edits.
    Quiet([&] { ASSERT_TRUE(editor->TogglePlayStop()); });
    Frames();
    EXPECT_EQ(Title(), "Kitchen* - KiteEditorTest");
    Quiet([&] { ASSERT_TRUE(editor->TogglePlayStop()); });
    Frames();
    EXPECT_EQ(Title(), "Kitchen* - KiteEditorTest");

    Quiet([&] {
        ASSERT_TRUE(editor->SaveScene());
        ASSERT_TRUE(editor->SaveSceneAs("Pantry"));
    });
    Frames();
    EXPECT_EQ(Title(), "Pantry - KiteEditorTest");
    // The program's own title is kept apart.
    EXPECT_EQ(window->GetTitle(), "KiteEditorTest");
}

TEST_F(Workspace, AScenesFileOpensFromTheExplorerAfterTheUnsavedQuestion)
{
    Make("Chef");
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    Make("Stall");
    ASSERT_TRUE(editor->SaveSceneAs("Pantry"));
    Make("Extra");
    Frame();
    OpenProjectFiles();
    ExplorerEntry("Scenes");
    const std::vector<std::string> listing = {"..", "Kitchen", "Kitchen.xml", "Pantry", "Pantry.xml"};
    ASSERT_EQ(editor->GetDirectoryListing(), listing);

    ExplorerEntry("Kitchen.xml");
    EXPECT_FALSE(ConsoleHas("is not a directory!"));
    ASSERT_TRUE(editor->IsAskingAboutUnsaved()) << "the unsaved edit is asked about first";
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Pantry");
    Press('D');
    Frames(2);
    EXPECT_FALSE(editor->IsAskingAboutUnsaved());
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Kitchen");
    EXPECT_EQ(factory->GetObjects().size(), 1u);

    // Without unsaved edits it opens at once; a folder is still entered.
    ExplorerEntry("Pantry.xml");
    Frames(2);
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Pantry");
    EXPECT_EQ(factory->GetObjects().size(), 2u);
    ExplorerEntry("Pantry");
    EXPECT_EQ(editor->GetDirectoryListing().size(), 3u) << "the scene's two object files";
}

TEST_F(Workspace, LongConsoleLinesWrapInsideTheConsole)
{
    std::string line = "Start";
    while (line.size() < 600)
        line += " and a word more";
    testing::internal::CaptureStdout();
    editor->Print(line);
    testing::internal::GetCapturedStdout();
    Frames(3);
    ImGuiWindow* console = ImGui::FindWindowByName("Console");
    ASSERT_NE(console, nullptr);
    EXPECT_LE(console->ContentSize.x, console->Size.x) << "nothing runs past the right edge";
    EXPECT_GT(console->ContentSize.y, 3.0f * ImGui::GetTextLineHeight()) << "the line takes several rows";
}
