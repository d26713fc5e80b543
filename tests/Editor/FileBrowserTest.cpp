// The file browser's logic: listing, staying inside its root, choosing,
// confirming before replacing and refusing reserved or unusable names.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "Core/Editor/FileBrowser.h"

using KiteFramework::FileBrowser;
namespace fs = std::filesystem;

namespace
{
    class Browser : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            char pattern[] = "/tmp/kite-browser-XXXXXX";
            root = mkdtemp(pattern);
            fs::create_directories(root + "/Scenes/Level1");
            fs::create_directories(root + "/Audio");
            for (const char* file : {"Scenes/Level1.xml", "Scenes/Credits.xml", "Scenes/notes.txt", "Scenes/tmp.xml",
                                     "Audio/click.wav"})
                std::ofstream(root + "/" + file) << "x";
        }

        void TearDown() override
        {
            std::error_code ec;
            fs::remove_all(root, ec);
        }

        FileBrowser::Options Scenes(FileBrowser::Mode mode) const
        {
            FileBrowser::Options o;
            o.mode = mode;
            o.root = root;
            o.start = "Scenes";
            o.extension = ".xml";
            o.reserved = {"tmp"};
            return o;
        }

        std::string root;
        FileBrowser browser;
    };

    std::vector<std::string> Names(const FileBrowser& b)
    {
        std::vector<std::string> names;
        for (const FileBrowser::Entry& e : b.Entries())
            names.push_back((e.folder ? "/" : "") + e.name);
        return names;
    }
}

TEST_F(Browser, ListsFoldersFirstAndOnlyFilesOfItsKindButNotTheReservedOnes)
{
    browser.Open(Scenes(FileBrowser::Mode::Open));
    std::vector<std::string> expected = {"/Level1", "Credits.xml", "Level1.xml"};
    EXPECT_EQ(Names(browser), expected);
}

TEST_F(Browser, NeverLeavesItsRoot)
{
    FileBrowser::Options o = Scenes(FileBrowser::Mode::Open);
    o.start = "";
    browser.Open(o);
    EXPECT_FALSE(browser.Up());
    EXPECT_FALSE(browser.Enter(".."));
    EXPECT_FALSE(browser.Enter("Scenes/Level1"));
    EXPECT_FALSE(browser.Enter("Nowhere"));
    ASSERT_TRUE(browser.Enter("Scenes"));
    ASSERT_TRUE(browser.Enter("Level1"));
    EXPECT_EQ(browser.Folder(), "Scenes/Level1");
    EXPECT_TRUE(browser.Up());
    EXPECT_TRUE(browser.Up());
    EXPECT_FALSE(browser.Up());
}

TEST_F(Browser, OpenChoosesOnlyAListedFileAndGivesItOnce)
{
    browser.Open(Scenes(FileBrowser::Mode::Open));
    EXPECT_FALSE(browser.ChooseFile("notes.txt"));
    EXPECT_FALSE(browser.ChooseFile("Level1"));
    ASSERT_TRUE(browser.ChooseFile("Level1.xml"));
    EXPECT_FALSE(browser.IsOpen());
    std::string path;
    std::string name;
    ASSERT_TRUE(browser.TakeChosen(path, name));
    EXPECT_EQ(path, root + "/Scenes/Level1.xml");
    EXPECT_EQ(name, "Level1");
    EXPECT_FALSE(browser.TakeChosen(path, name));
}

TEST_F(Browser, SavingOverAFileWaitsForConfirmation)
{
    browser.Open(Scenes(FileBrowser::Mode::Save));
    std::string path;
    std::string name;
    EXPECT_EQ(browser.SubmitName("Level1.xml"), FileBrowser::Submit::NeedsConfirm);
    EXPECT_TRUE(browser.IsAwaitingConfirmation());
    EXPECT_FALSE(browser.TakeChosen(path, name));
    browser.ConfirmOverwrite();
    ASSERT_TRUE(browser.TakeChosen(path, name));
    EXPECT_EQ(name, "Level1");

    browser.Open(Scenes(FileBrowser::Mode::Save));
    EXPECT_EQ(browser.SubmitName("Fresh"), FileBrowser::Submit::Chosen);
    ASSERT_TRUE(browser.TakeChosen(path, name));
    EXPECT_EQ(path, root + "/Scenes/Fresh.xml");
}

TEST_F(Browser, ReservedUnusableAndTakenNamesAreRefused)
{
    FileBrowser::Options o = Scenes(FileBrowser::Mode::Save);
    o.allowReplace = false;
    browser.Open(o);
    for (const char* bad : {"tmp", "tmp.xml", "", "../Evil", "a/b"})
        EXPECT_EQ(browser.SubmitName(bad), FileBrowser::Submit::Invalid) << bad;
    EXPECT_EQ(browser.SubmitName("Credits"), FileBrowser::Submit::Invalid);
    EXPECT_NE(browser.GetMessage().find("already exists"), std::string::npos);
    EXPECT_TRUE(browser.IsOpen());
}
