// The asset module: its two roots, which one a path is found under, the
// sorted listing, and why a file cannot be read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "Core/Engine/Assets.h"
#include "Core/Engine/Engine.h"
#include "Support/EngineWorld.h"
#include "Support/Unprivileged.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    // The started engine's scratch folder holding "work" (the working
    // folder, with its own Assets/) and "program/Assets" (the engine's asset
    // root).
    class AssetsTest : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine(false);
            base = folder;
            fs::create_directories(Working());
            fs::create_directories(Program());
            fs::current_path(base / "work");
            program = Program().generic_string() + "/";
            engine->SetAssetPath(program);
        }

        void TearDown() override
        {
            std::error_code ec;
            fs::permissions(base, fs::perms::owner_all, ec);
            StopEngine();
        }

        void Put(const fs::path& path, const std::string& text = "x")
        {
            fs::create_directories(path.parent_path());
            std::ofstream(path) << text;
        }

        fs::path Working() const { return base / "work" / "Assets"; }
        fs::path Program() const { return base / "program" / "Assets"; }

        fs::path base;
        std::string program;
    };
}

TEST_F(AssetsTest, WorkingFolderFirstThenTheProgramsTree)
{
    EXPECT_EQ(Assets::Root(), program);
    EXPECT_EQ(Assets::WorkingRoot(), "Assets/");
    EXPECT_EQ(Assets::Roots(), (std::vector<std::string>{"Assets/", program}));

    Put(Working() / "Both.csv");
    Put(Program() / "Both.csv");
    Put(Program() / "StallData" / "StallData.csv");
    EXPECT_EQ(Assets::Resolve("Both.csv"), "Assets/Both.csv");
    EXPECT_EQ(Assets::Resolve("StallData/StallData.csv"), program + "StallData/StallData.csv");
    // Found nowhere: where a new file goes and a report says it was looked for.
    EXPECT_EQ(Assets::Resolve("Scenes/New.xml"), program + "Scenes/New.xml");

    // Names written from the working folder; other paths stay as given.
    EXPECT_EQ(Assets::ResolveNamed("Assets/StallData/StallData.csv"), program + "StallData/StallData.csv");
    EXPECT_EQ(Assets::ResolveNamed("Assets/Both.csv"), "Assets/Both.csv");
    EXPECT_EQ(Assets::ResolveNamed("Food/Noodles.png"), "Food/Noodles.png");
    EXPECT_EQ(Assets::ResolveNamed("AssetsX/a.png"), "AssetsX/a.png");

    // Many at once, as one by one.
    const std::vector<std::string> names{"Assets/Both.csv", "Assets/StallData/StallData.csv", "Assets/Scenes/New.xml",
                                         "Food/Noodles.png"};
    std::vector<std::string> oneByOne;
    for (const std::string& name : names)
        oneByOne.push_back(Assets::ResolveNamed(name));
    EXPECT_EQ(Assets::ResolveAllNamed(names), oneByOne);
    EXPECT_TRUE(Assets::ResolveAllNamed({}).empty());
}

TEST_F(AssetsTest, OneRootWhenBothNameTheSameFolderOrThereIsNoEngine)
{
    fs::remove_all(Working());
    fs::create_directory_symlink(Program(), Working());
    EXPECT_EQ(Assets::Roots(), (std::vector<std::string>{"Assets/"}));
    Put(Program() / "Scenes" / "a.xml");
    EXPECT_EQ(Assets::List("Scenes"), (std::vector<std::string>{"a.xml"}));
    // Found nowhere: still under the program's own name for the tree.
    EXPECT_EQ(Assets::Resolve("Scenes/New.xml"), program + "Scenes/New.xml");
    EXPECT_EQ(Assets::ResolveAllNamed({"Assets/Scenes/New.xml", "Assets/Scenes/a.xml"}),
              (std::vector<std::string>{program + "Scenes/New.xml", "Assets/Scenes/a.xml"}));

    delete engine;
    engine = nullptr;
    EXPECT_EQ(Assets::Root(), "Assets/");
    EXPECT_EQ(Assets::Roots(), (std::vector<std::string>{"Assets/"}));
    EXPECT_EQ(Assets::Resolve("Scenes/a.xml"), "Assets/Scenes/a.xml");
}

TEST_F(AssetsTest, ListingIsRecursiveSortedByBytesWithSlashesAndFiltered)
{
    for (const char* name : {"Sprites/b.png", "Sprites/B/z.PNG", "Sprites/a-b.png", "Sprites/a/y.png",
                             "Sprites/UI/Cursor_Default.cur", "Sprites/UI/Button.png", "Sprites/notes.txt"})
        Put(Program() / name);
    const std::vector<std::string> all = {"B/z.PNG", "UI/Button.png", "UI/Cursor_Default.cur", "a/y.png",
                                          "a-b.png", "b.png", "notes.txt"};
    EXPECT_EQ(Assets::List("Sprites"), all);
    // Extensions match whatever their case.
    EXPECT_EQ(Assets::List("Sprites", ".png"),
              (std::vector<std::string>{"B/z.PNG", "UI/Button.png", "a/y.png", "a-b.png", "b.png"}));
    EXPECT_EQ(Assets::List("Sprites", std::vector<std::string>{".cur", ".TXT"}),
              (std::vector<std::string>{"UI/Cursor_Default.cur", "notes.txt"}));
    EXPECT_TRUE(Assets::List("Nowhere").empty());

    // The folder comes from the first root that has it, not a mix of both.
    Put(Working() / "Sprites" / "only-here.png");
    EXPECT_EQ(Assets::List("Sprites"), (std::vector<std::string>{"only-here.png"}));
    EXPECT_EQ(Assets::Resolve("Sprites/b.png"), program + "Sprites/b.png");

    // Any folder on disk, with or without a trailing separator.
    EXPECT_EQ(Assets::ListFolder((Program() / "Sprites" / "UI").string() + "/"),
              (std::vector<std::string>{"Button.png", "Cursor_Default.cur"}));
}

TEST_F(AssetsTest, ReadFailuresSayWhetherTheFileIsMissingOrLocked)
{
    const std::string missing = (Program() / "none.xml").string();
    const std::string folder = Program().string();
    const std::string locked = (Program() / "locked.xml").string();
    Put(locked, "<Scene/>");
    EXPECT_EQ(Assets::Unreadable(missing), "not found");
    EXPECT_EQ(Assets::Unreadable(missing + "/below"), "not found");
    EXPECT_EQ(Assets::Unreadable(folder), "is a folder");
    EXPECT_EQ(Assets::Unreadable(locked), "");
    // Opening a pipe would wait for a writer that never comes.
    const std::string pipe = (Program() / "pipe.xml").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(Assets::Unreadable(pipe), "is not a regular file");

    std::string text;
    std::string problem;
    EXPECT_TRUE(Assets::ReadText(locked, text, problem));
    EXPECT_EQ(text, "<Scene/>");
    EXPECT_FALSE(Assets::ReadText(missing, text, problem));
    EXPECT_EQ(problem, "not found");

    // Every folder on the way open to all, the file itself to none.
    for (fs::path p = Program(); p != base.parent_path(); p = p.parent_path())
        fs::permissions(p, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec |
                               fs::perms::group_read | fs::perms::group_exec);
    ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
    EXPECT_EQ(KiteTest::RunUnprivileged([&] { return Assets::Unreadable(locked); }), "Permission denied");
    EXPECT_EQ(KiteTest::RunUnprivileged([&] {
                  std::string t;
                  std::string why;
                  return Assets::ReadText(locked, t, why) ? std::string("read") : why;
              }),
              "Permission denied");
}

TEST_F(AssetsTest, TheWorkingFoldersTreeAsAnAbsoluteRoot)
{
    const std::string root = Assets::AbsoluteWorkingRoot();
    EXPECT_EQ(root, fs::absolute(Working()).generic_string() + "/");
    // It names the same tree after the program changes folder.
    Put(Working() / "Scenes" / "a.xml");
    fs::current_path(base);
    EXPECT_TRUE(fs::is_regular_file(root + "Scenes/a.xml"));
    fs::current_path(base / "work");

    // No tree here, or a file where the tree would be: none.
    fs::remove_all(Working());
    EXPECT_EQ(Assets::AbsoluteWorkingRoot(), "");
    Put(Working(), "not a folder");
    EXPECT_EQ(Assets::AbsoluteWorkingRoot(), "");
}

TEST_F(AssetsTest, SoundsAndPicturesAreNamedFromTheWorkingFolder)
{
    EXPECT_EQ(Assets::SoundPath("Music/Theme.wav"), "Assets/Audio/Music/Theme.wav");
    EXPECT_EQ(Assets::SpritePath("UI\\Button.png"), "Assets/Sprites/UI/Button.png");
    // The name finds the file in whichever tree has it.
    Put(Program() / "Audio" / "Music" / "Theme.wav");
    EXPECT_EQ(Assets::ResolveNamed(Assets::SoundPath("Music/Theme.wav")), program + "Audio/Music/Theme.wav");
    Put(Working() / "Sprites" / "UI" / "Button.png");
    EXPECT_EQ(Assets::ResolveNamed(Assets::SpritePath("UI/Button.png")), "Assets/Sprites/UI/Button.png");
}

TEST_F(AssetsTest, AFoldersEntriesAreSortedAndSayWhichAreFolders)
{
    Put(Program() / "Scenes" / "b.xml");
    Put(Program() / "Scenes" / "B.xml");
    Put(Program() / "Scenes" / "a" / "1.xml");
    fs::create_directory_symlink(Program() / "Scenes" / "a", Program() / "Scenes" / "link");
    std::string problem = "stale";
    const std::vector<Assets::Entry> entries = Assets::Entries((Program() / "Scenes").string(), problem);
    EXPECT_EQ(problem, "");
    std::vector<std::string> shown;
    for (const Assets::Entry& e : entries)
        shown.push_back(e.name + (e.folder ? "/" : ""));
    // Only what the folder holds itself; a link counts as its target.
    EXPECT_EQ(shown, (std::vector<std::string>{"B.xml", "a/", "b.xml", "link/"}));

    EXPECT_TRUE(Assets::Entries((Program() / "None").string(), problem).empty());
    EXPECT_EQ(problem, "not found");
    EXPECT_TRUE(Assets::Entries((Program() / "Scenes" / "b.xml").string(), problem).empty());
    EXPECT_EQ(problem, "Not a directory");
}
