// Texture names from the sprite folder tree (nested folders, exact case) and
// the look-up of names that are not loaded. No window: nothing can load, so
// only the naming and the reports are checked here (the drawing tests load).
#include "Graphics/GraphicsWorld.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace KiteTest;

namespace
{
    RGBA Orange(int, int, int, int) { return {255, 128, 0, 255}; }

    class TextureFiles : public GraphicsWorld
    {
    protected:
        void SetUp() override
        {
            folder = TestFolder();
            for (const char* name : {"Food/Noodles.png", "Food/Deep/Bowl_Big.PNG", "menu/Title.png",
                                     "Menu/title.png", "Menu/LoadingScreen.png"})
                WritePng(folder + "/Assets/Sprites/" + name, 4, 4, Orange);
            // The sprite tree holds files that are not pictures too.
            std::filesystem::create_directories(folder + "/Assets/Sprites/UI");
            for (const char* name : {"UI/Cursor_Default.cur", "UI/Cursor_Pressed.cur", "ReadMe.txt"})
                std::ofstream(folder + "/Assets/Sprites/" + name) << "not a picture";
            char buffer[4096];
            previous = getcwd(buffer, sizeof(buffer)) ? buffer : "";
            ASSERT_EQ(chdir(folder.c_str()), 0);
            GraphicsWorld::SetUp();
        }

        void TearDown() override
        {
            GraphicsWorld::TearDown();
            EXPECT_EQ(chdir(previous.c_str()), 0);
            std::error_code ec;
            std::filesystem::remove_all(folder, ec);
        }

        std::string folder;
        std::string previous;
    };
}

TEST_F(TextureFiles, NamesArePathsUnderSpritesWithTheirOwnCase)
{
    ::testing::internal::CaptureStdout();
    graphics->Initialise();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(graphics->texturesLoaded);

    const std::vector<std::string> expected = {"Food/Deep/Bowl_Big.PNG", "Food/Noodles.png",
                                               "Menu/LoadingScreen.png", "Menu/title.png", "menu/Title.png"};
    EXPECT_EQ(graphics->GetImageFiles(), expected);
    ASSERT_EQ(graphics->GetrelImageFiles().size(), expected.size());
    EXPECT_EQ(graphics->GetrelImageFiles()[1].generic_string(), "Assets/Sprites/Food/Noodles.png");
    // Without a context nothing loads, and each failure names its file.
    EXPECT_NE(out.find("Multiload Fail : Assets/Sprites/Food/Deep/Bowl_Big.PNG"), std::string::npos) << out;
    EXPECT_NE(out.find("ZI BAO LIAO"), std::string::npos);
    // Only pictures are offered to the loader: no failure for the cursors.
    EXPECT_EQ(out.find(".cur"), std::string::npos) << out;
    EXPECT_EQ(out.find("ReadMe"), std::string::npos) << out;
}

TEST_F(TextureFiles, UnknownNamesAreReportedEveryTimeAndEmptyNamesQuietly)
{
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(graphics->GetTexture(""), nullptr);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");

    for (int i = 0; i < 2; ++i)
    {
        ::testing::internal::CaptureStdout();
        EXPECT_EQ(graphics->GetTexture("Food/Missing.png"), nullptr);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(),
                  "Failed to find texture: Food/Missing.png\nFailed to load texture: Food/Missing.png\n");
    }
}
