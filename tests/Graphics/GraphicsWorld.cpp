// Test worlds for the graphics system.
#include "Graphics/GraphicsWorld.h"

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace fs = std::filesystem;

namespace KiteTest
{
    void WritePng(const std::string& path, int w, int h, RGBA (*paint)(int, int, int, int))
    {
        std::vector<unsigned char> pixels(static_cast<std::size_t>(w * h * 4));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                RGBA c = paint(x, y, w, h);
                std::copy(c.begin(), c.end(), pixels.begin() + (y * w + x) * 4);
            }
        fs::create_directories(fs::path(path).parent_path());
        ASSERT_TRUE(stbi_write_png(path.c_str(), w, h, 4, pixels.data(), w * 4)) << path;
    }

    std::string TestFolder()
    {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        fs::path folder = fs::temp_directory_path() /
                          ("kite_graphics_" + std::string(info->name()) + "_" + std::to_string(getpid()));
        std::error_code ec;
        fs::remove_all(folder, ec);
        fs::create_directories(folder);
        return folder.generic_string();
    }

    void GraphicsWorld::SetUp()
    {
        StartEngine(false);
        AddFactory();
        factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
        BeforeGraphics();
        if (IsSkipped() || HasFatalFailure())
            return;
        graphics = AddSystem(new Graphics(WindowAddress(), windowWidth, windowHeight));
        graphics->SetBG(0.33f, 0.33f, 0.33f, 0.0f);
    }

    void GraphicsWorld::TearDown() { StopEngine(); }

    GameObject* GraphicsWorld::Make(const std::string& name, float x, float y, float depth, float sx, float sy)
    {
        GameObject* o = MakeAt(name, x, y);
        auto* t = o->GetComponent<Transform>();
        t->SetDepth(depth);
        t->SetScale(sx, sy);
        return o;
    }

    std::string GraphicsWorld::Image(const std::string& name, RGBA (*paint)(int, int, int, int), int w, int h)
    {
        const std::string path = folder + "/" + name;
        WritePng(path, w, h, paint);
        return path;
    }

    Sprite* GraphicsWorld::AddSprite(GameObject* o, const std::string& texture)
    {
        auto* s = new Sprite();
        s->SetTexturePath(texture);
        s->ToggleRender(true);
        o->AddComponent(s);
        s->Initialise();
        return s;
    }

    Text* GraphicsWorld::AddText(GameObject* o, const std::string& text)
    {
        auto* t = new Text();
        t->SetText(text);
        o->AddComponent(t);
        t->Initialise();
        return t;
    }

    void WindowWorld::PrepareFolder() { ASSERT_EQ(chdir((std::string(KITE_ASSET_ROOT) + "/..").c_str()), 0); }

    void WindowWorld::BeforeGraphics()
    {
        PrepareFolder();
        if (HasFatalFailure())
            return;
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
        {
            skipped = true;
            GTEST_SKIP() << "no display";
        }
        ownedWindow = Platform::Get().CreateWindow("Graphics test", windowWidth, windowHeight, false);
        window = ownedWindow.get();
        ASSERT_NE(window, nullptr) << "a display is present but no window could be made";
        window->Show();
    }

    void WindowWorld::SetUp()
    {
        GraphicsWorld::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(graphics->IsGLReady());
    }

    void WindowWorld::TearDown()
    {
        GraphicsWorld::TearDown();
        ownedWindow.reset();
    }

    void WindowWorld::DrawFrame()
    {
        graphics->StartFrame();
        graphics->CallDraw();
    }

    RGBA WindowWorld::At(float worldX, float worldY)
    {
        int w = 0;
        int h = 0;
        window->GetClientSize(w, h);
        const int x = static_cast<int>((worldX + 800.0f) / 1600.0f * static_cast<float>(w));
        const int y = static_cast<int>((worldY + 450.0f) / 900.0f * static_cast<float>(h));
        std::vector<unsigned char> pixel;
        RGBA out{0, 0, 0, 0};
        if (graphics->ReadPixels(x, y, 1, 1, pixel))
            std::copy(pixel.begin(), pixel.begin() + 4, out.begin());
        return out;
    }

    ::testing::AssertionResult Near(const RGBA& actual, const RGBA& expected, int tolerance)
    {
        for (int i = 0; i < 3; ++i)
            if (std::abs(int(actual[i]) - int(expected[i])) > tolerance)
            {
                std::ostringstream text;
                text << "got (" << int(actual[0]) << ", " << int(actual[1]) << ", " << int(actual[2])
                     << "), expected (" << int(expected[0]) << ", " << int(expected[1]) << ", "
                     << int(expected[2]) << ")";
                return ::testing::AssertionFailure() << text.str();
            }
        return ::testing::AssertionSuccess();
    }
}
