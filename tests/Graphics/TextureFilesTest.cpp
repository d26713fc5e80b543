// Texture names from the sprite folder tree (nested folders, exact case) and
// the look-up of names that are not loaded. No window: nothing can load, so
// only the naming and the reports are checked here (the drawing tests load).
#include "Graphics/GraphicsWorld.h"

#include <filesystem>
#include <fstream>

using namespace KiteTest;

namespace
{
    RGBA Orange(int, int, int, int) { return {255, 128, 0, 255}; }

    class TextureFiles : public GraphicsWorld
    {
    protected:
        // The sprite tree in the working folder, before graphics reads it.
        void BeforeGraphics() override
        {
            for (const char* name : {"Food/Noodles.png", "Food/Deep/Bowl_Big.PNG", "menu/Title.png",
                                     "Menu/title.png", "Menu/LoadingScreen.png"})
                WritePng(folder + "/Assets/Sprites/" + name, 4, 4, Orange);
            // The sprite tree holds files that are not pictures too.
            std::filesystem::create_directories(folder + "/Assets/Sprites/UI");
            for (const char* name : {"UI/Cursor_Default.cur", "UI/Cursor_Pressed.cur", "ReadMe.txt"})
                std::ofstream(folder + "/Assets/Sprites/" + name) << "not a picture";
        }
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
