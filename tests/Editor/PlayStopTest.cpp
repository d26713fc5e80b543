// PLAY and STOP pressed in the editor's own buttons: the links overlay comes
// back as it was, and the snapshot that STOP returns to is in no list the
// developer sees and gone once it has been read back.
#include "Editor/EditorWorld.h"

#include <algorithm>

#include "Platform/VirtualKeys.h"

using namespace KiteTest;

namespace
{
    class PlayStop : public EditorWorld
    {
    protected:
        // The buttons above the scene view, and the explorer's "Project
        // Files" node and its first row of entries.
        static constexpr int kButtonsY = 37;
        static constexpr int kPlayX = 218;
        static constexpr int kLinksX = 800;
        static constexpr int kProjectFilesX = 975;
        static constexpr int kProjectFilesY = 833;
        static constexpr int kEntriesY = 871;

        static int EntryX(int index) { return 1039 + 108 * index; }

        void PlayOrStop()
        {
            testing::internal::CaptureStdout();
            ClickAt(kPlayX, kButtonsY);
            testing::internal::GetCapturedStdout();
        }

        // The explorer opened on the scenes' folder, by clicks.
        void ExploreScenes()
        {
            ClickAt(kProjectFilesX, kProjectFilesY);
            const auto& listing = editor->GetDirectoryListing();
            const auto at = std::find(listing.begin(), listing.end(), "Scenes");
            ASSERT_NE(at, listing.end());
            ClickAt(EntryX(static_cast<int>(at - listing.begin())), kEntriesY);
        }

        static bool Lists(const std::vector<std::string>& names, const std::string& name)
        {
            return std::find(names.begin(), names.end(), name) != names.end();
        }

        std::vector<std::string> BrowserNames()
        {
            std::vector<std::string> names;
            for (const FileBrowser::Entry& e : editor->GetFileBrowser().Entries())
                names.push_back(e.name);
            return names;
        }

        // The browser put away (as a choice made in it does), and the frames
        // its modal takes to go.
        void CloseBrowser()
        {
            editor->GetFileBrowser().Close();
            Frame();
            Frame();
        }

        std::string Scenes() const { return folder + "/Assets/Scenes/"; }
    };
}

TEST_F(PlayStop, TheLinksOverlayIsAsItWasBeforePlay)
{
    Make("Chef");
    Frame();
    ASSERT_FALSE(editor->IsDrawingLinks());
    ClickAt(kLinksX, kButtonsY);
    ASSERT_TRUE(editor->IsDrawingLinks());
    PlayOrStop();
    ASSERT_TRUE(editor->IsPlaying());
    EXPECT_FALSE(editor->IsDrawingLinks()) << "no links over the running game";
    PlayOrStop();
    ASSERT_FALSE(editor->IsPlaying());
    EXPECT_TRUE(editor->IsDrawingLinks());

    // Switched off, it stays off.
    ClickAt(kLinksX, kButtonsY);
    ASSERT_FALSE(editor->IsDrawingLinks());
    PlayOrStop();
    PlayOrStop();
    ASSERT_FALSE(editor->IsPlaying());
    EXPECT_FALSE(editor->IsDrawingLinks());
}

TEST_F(PlayStop, TheSnapshotIsInNoListAndGoneOnceStopHasReadItBack)
{
    Make("Chef", 10.0f, 20.0f);
    ASSERT_TRUE(editor->SaveSceneAs("Kitchen"));
    Frame();
    PlayOrStop();
    ASSERT_TRUE(editor->IsPlaying());
    ASSERT_TRUE(fs::exists(Scenes() + "tmp.xml")) << "the way back while playing";

    ExploreScenes();
    const std::vector<std::string> shown = {"..", "Kitchen", "Kitchen.xml"};
    EXPECT_EQ(editor->GetDirectoryListing(), shown);

    // Ctrl+O: the scenes offered to open.
    fake.PushKey(Platform::EventType::KeyDown, VK::Control);
    Press('O');
    fake.PushKey(Platform::EventType::KeyUp, VK::Control);
    Frame();
    ASSERT_TRUE(editor->GetFileBrowser().IsOpen());
    EXPECT_EQ(BrowserNames(), std::vector<std::string>{"Kitchen.xml"});
    EXPECT_FALSE(editor->GetFileBrowser().ChooseFile("tmp.xml"));
    CloseBrowser();

    // File > Load Assets, walked into the scenes' folder.
    ClickAt(20, 9);
    ClickAt(40, 32);
    ASSERT_TRUE(editor->GetFileBrowser().IsOpen());
    ASSERT_EQ(editor->GetFileBrowser().GetOptions().title, "Load Assets");
    ASSERT_TRUE(editor->GetFileBrowser().Enter("Scenes"));
    EXPECT_FALSE(Lists(BrowserNames(), "tmp.xml"));
    EXPECT_FALSE(Lists(BrowserNames(), "tmp"));
    EXPECT_TRUE(Lists(BrowserNames(), "Kitchen.xml"));
    CloseBrowser();

    PlayOrStop();
    ASSERT_FALSE(editor->IsPlaying());
    Frame();
    EXPECT_FALSE(fs::exists(Scenes() + "tmp.xml"));
    EXPECT_FALSE(fs::exists(Scenes() + "tmp"));
    ASSERT_NE(factory->FindObjByName("Chef"), nullptr);
    EXPECT_EQ(factory->FindObjByName("Chef")->GetComponent<Transform>()->GetTransVec().x, 10.0f);
    EXPECT_EQ(scenes->GetCurrentSceneName(), "Kitchen");
    EXPECT_FALSE(editor->HasUnsavedChanges());

    // A scene opened while playing leaves the snapshot unread: it goes too.
    PlayOrStop();
    ASSERT_TRUE(fs::exists(Scenes() + "tmp.xml"));
    testing::internal::CaptureStdout();
    editor->OpenScene("Kitchen");
    Frame();
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(editor->IsPlaying());
    EXPECT_FALSE(fs::exists(Scenes() + "tmp.xml"));
    EXPECT_FALSE(fs::exists(Scenes() + "tmp"));
}
