// Drawing into a real window (Xvfb) and reading the pixels back: shaders,
// background, sprite boxes, the draw order, tints, flips, sheet cells, text,
// particles and the start-up load. Skipped without a display.
#include "Graphics/GraphicsWorld.h"

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "Core/Graphics/MyGLSL.h"
#include "Core/Graphics/TextureDecoder.h"

using namespace KiteTest;

namespace
{
    const RGBA blue{0, 0, 255, 255};

    // Left half red, right half green.
    RGBA Halves(int x, int, int w, int) { return x < w / 2 ? red : green; }

    class Drawing : public WindowWorld
    {
    protected:
        Sprite* Box(const std::string& name, float x, float y, float depth, const std::string& texture)
        {
            return AddSprite(Make(name, x, y, depth), texture);
        }
    };
}

TEST_F(Drawing, AllSixShaderFilesCompileAndLink)
{
    EXPECT_TRUE(graphics->AreShadersReady());
    const char* pairs[][2] = {{"Assets/Shaders/ver.vs", "Assets/Shaders/frag.fs"},
                              {"Assets/Shaders/text.vs", "Assets/Shaders/text.fs"},
                              {"Assets/Shaders/particle.vs", "Assets/Shaders/particle.fs"}};
    for (auto& pair : pairs)
    {
        MyGLSL program;
        EXPECT_TRUE(program.Setup(pair[0], pair[1], nullptr)) << pair[0] << " + " << pair[1];
        EXPECT_NE(program.GetProgram(), 0u);
        program.Clean();
    }

    // A broken vertex shader stops before the fragment stage; a missing file
    // is reported and then fails to compile.
    const std::string broken = folder + "/broken.vs";
    {
        std::ofstream(broken) << "#version 330 core\nvoid main() { gl_Position = nope; }\n";
    }
    MyGLSL bad;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(bad.Setup(broken.c_str(), "Assets/Shaders/frag.fs", nullptr));
    std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Vertex compile fail\n");
    // One line naming the file, with the driver's reason (which names the symbol).
    EXPECT_EQ(report.rfind("Shader \"" + broken + "\": does not compile: ", 0), 0u) << report;
    EXPECT_NE(report.find("nope"), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 1) << report;
    bad.Clean();

    MyGLSL missing;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(missing.Setup("Assets/Shaders/ver.vs", (folder + "/none.fs").c_str(), nullptr));
    report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "ERROR::FRAGMENT SHADER::FILE_NOT_SUCCESFULLY_READ\nfragment compile fail\n");
    EXPECT_EQ(report.rfind("Shader \"" + folder + "/none.fs\": cannot be read: not found\n", 0), 0u) << report;
    missing.Clean();
}

TEST_F(Drawing, TexturesAndFontsThatCannotBeUsedAreReportedWithTheirReason)
{
    const std::string good = Image("good.png", Red);
    const std::string corrupt = folder + "/corrupt.png";
    std::ofstream(corrupt) << "\x89PNG but not really";
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    ASSERT_NE(graphics->GetTexture(good), nullptr);
    EXPECT_EQ(graphics->GetTexture(corrupt), nullptr);
    EXPECT_EQ(graphics->GetTexture(folder + "/missing.png"), nullptr);
    std::string report = ::testing::internal::GetCapturedStderr();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("Failed to load texture: " + corrupt), std::string::npos) << out;
    EXPECT_NE(report.find("Texture \"" + corrupt + "\": cannot be decoded as a picture"), std::string::npos) << report;
    EXPECT_NE(report.find("Texture \"" + folder + "/missing.png\": not found\n"), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;

    // A font that is not there, and a file that is not a font.
    graphics->SetGlyph('A', Character{});
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    graphics->LoadFont(folder + "/none.ttf");
    graphics->LoadFont(good);
    report = ::testing::internal::GetCapturedStderr();
    ::testing::internal::GetCapturedStdout();
    // Each is one line, and the text is drawn in a face the system has.
    const std::string fallback = "; using \"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf\" instead\n";
    EXPECT_NE(report.find("Font \"" + folder + "/none.ttf\": not found" + fallback), std::string::npos) << report;
    EXPECT_NE(report.find("Font \"" + good + "\": unknown file format" + fallback), std::string::npos) << report;
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 2) << report;
    EXPECT_GT(graphics->GetGlyph('A').size[0], 0);
    EXPECT_NE(graphics->GetGlyph('A').textureID, 0u);

    // A big picture in a small file is refused from its header.
    const std::string huge = Image("huge.png", White, Graphics::MaxTextureSide + 1, 1);
    const std::string widest = Image("widest.png", White, Graphics::MaxTextureSide, 1);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(graphics->GetTexture(huge), nullptr);
    EXPECT_NE(graphics->GetTexture(widest), nullptr);
    report = ::testing::internal::GetCapturedStderr();
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(report, "Texture \"" + huge + "\": too large: 8193 x 1 pixels, more than 8192 on a side; not loaded\n");
}

TEST_F(Drawing, BackgroundWhereNothingIsAndEachSpriteInsideItsBoxOnly)
{
    DrawFrame();
    for (Vector2D p : {Vector2D(0, 0), Vector2D(-790, 440), Vector2D(790, -440)})
        EXPECT_TRUE(Near(At(p.x, p.y), background)) << p.x << ", " << p.y;

    // Scale 1 is 100 by 100 world units, whatever the window's pixel size.
    Box("red", -400, 200, 1, Image("red.png", Red));
    Box("green", 500, -300, 1, Image("green.png", Green));
    DrawFrame();
    EXPECT_TRUE(Near(At(-400, 200), red));
    EXPECT_TRUE(Near(At(-440, 240), red));
    EXPECT_TRUE(Near(At(-360, 160), red));
    EXPECT_TRUE(Near(At(-460, 200), background));
    EXPECT_TRUE(Near(At(-400, 260), background));
    EXPECT_TRUE(Near(At(500, -300), green));
    EXPECT_TRUE(Near(At(500, -360), background));
    EXPECT_TRUE(Near(At(0, 0), background));
}

TEST_F(Drawing, DeeperAndHigherSpritesAreCoveredByTheOthers)
{
    const std::string r = Image("red.png", Red);
    const std::string g = Image("green.png", Green);
    // Registered front to back, so only the sort can get this right.
    Box("front", 60, -30, 1, g);
    Box("middle", 30, 0, 1, r);
    Box("back", 0, 0, 2, g);
    DrawFrame();
    EXPECT_TRUE(Near(At(-40, 0), green));  // back alone
    EXPECT_TRUE(Near(At(20, 30), red));    // middle over back
    EXPECT_TRUE(Near(At(70, -40), green)); // front (lower) over middle
    EXPECT_TRUE(Near(At(70, 40), red));    // middle alone above front
}

TEST_F(Drawing, TintFlipAndSheetCellChangeWhatIsShown)
{
    Sprite* tinted = Box("tinted", -500, 0, 1, Image("white.png", White));
    tinted->TintSet(0.0f, 0.0f, 1.0f, 1.0f);
    const std::string halves = Image("halves.png", Halves);
    Box("plain", -200, 0, 1, halves);
    Sprite* flipped = Box("flipped", 100, 0, 1, halves);
    flipped->SetFlipX(true);
    // The same image as a sheet of two columns: one colour per cell.
    Sprite* sheet = Box("sheet", 400, 0, 1, halves);
    sheet->InGameSet("/", 2, 1);
    DrawFrame();
    EXPECT_TRUE(Near(At(-500, 0), blue));
    EXPECT_TRUE(Near(At(-230, 0), red));
    EXPECT_TRUE(Near(At(-170, 0), green));
    EXPECT_TRUE(Near(At(70, 0), green));
    EXPECT_TRUE(Near(At(130, 0), red));
    EXPECT_TRUE(Near(At(370, 0), red));
    EXPECT_TRUE(Near(At(430, 0), red));
    sheet->SetColumn(1);
    DrawFrame();
    EXPECT_TRUE(Near(At(370, 0), green));
    EXPECT_TRUE(Near(At(430, 0), green));

    // Half transparent over the background.
    tinted->AlphaSet(0.5f);
    DrawFrame();
    EXPECT_TRUE(Near(At(-500, 0), {42, 42, 170, 0}, 8));

    // The debug outline runs along the quad's edge only, until switched off
    // for every sprite at once.
    tinted->AlphaSet(1.0f);
    tinted->SetDebugDraw(true);
    DrawFrame();
    EXPECT_TRUE(Near(At(-549, 0), green));
    EXPECT_TRUE(Near(At(-500, 0), blue));
    graphics->NoDebugDraw();
    DrawFrame();
    EXPECT_TRUE(Near(At(-549, 0), blue));
}

TEST_F(Drawing, ALongTextIsLaidOutOnceAndDrawnOnlyInsideItsClipBox)
{
    // A megabyte on one line, centred: without a box it would cross the
    // whole screen; with one it stays in a 400 by 200 panel.
    GameObject* panel = Make("panel", 0, 0, 1);
    Text* text = AddText(panel, std::string(1 << 20, 'W'));
    text->SetColor({1.0f, 1.0f, 0.0f});
    text->SetScale(0.5f);
    text->SetClipBox(Vector2D(400.0f, 200.0f));
    const std::size_t before = graphics->GetCharactersLaidOut();
    DrawFrame();
    DrawFrame();
    EXPECT_EQ(graphics->GetCharactersLaidOut() - before, std::size_t{1} << 20);
    EXPECT_EQ(text->GetLayoutCount(), 1u);

    int w = 0, h = 0;
    window->GetClientSize(w, h);
    std::vector<unsigned char> pixels;
    ASSERT_TRUE(graphics->ReadPixels(0, 0, w, h, pixels));
    int inside = 0, outside = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const unsigned char* p = &pixels[static_cast<std::size_t>((y * w + x) * 4)];
            if (!(p[0] > 200 && p[1] > 200 && p[2] < 60))
                continue;
            const float wx = (static_cast<float>(x) + 0.5f) * 1600.0f / static_cast<float>(w) - 800.0f;
            const float wy = (static_cast<float>(y) + 0.5f) * 900.0f / static_cast<float>(h) - 450.0f;
            (std::fabs(wx) <= 202.0f && std::fabs(wy) <= 102.0f ? inside : outside) += 1;
        }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);

    // Moving the text does not lay it out again; changing it does.
    panel->GetComponent<Transform>()->SetTrans(50.0f, 0.0f);
    DrawFrame();
    EXPECT_EQ(text->GetLayoutCount(), 1u);
    text->SetText("WW");
    DrawFrame();
    EXPECT_EQ(text->GetLayoutCount(), 2u);
}

TEST_F(Drawing, TextPixelsLieInsideTheTextsBox)
{
    GameObject* sign = Make("sign", 200, -200, 1);
    Text* text = AddText(sign, "HELLO");
    text->SetColor({1.0f, 1.0f, 0.0f});
    text->SetScale(0.5f);
    DrawFrame();

    std::vector<GlyphQuad> quads;
    graphics->LayoutText("HELLO", 200, -200, 0.5f, Vector2D(), true, quads);
    ASSERT_EQ(quads.size(), 5u);
    float left = 1e9f, right = -1e9f, top = -1e9f, bottom = 1e9f;
    for (const GlyphQuad& q : quads)
    {
        left = std::min(left, q.left);
        right = std::max(right, q.right);
        top = std::max(top, q.top);
        bottom = std::min(bottom, q.bottom);
    }

    int w = 0, h = 0;
    window->GetClientSize(w, h);
    std::vector<unsigned char> pixels;
    ASSERT_TRUE(graphics->ReadPixels(0, 0, w, h, pixels));
    const float unitsPerPixel = 1600.0f / static_cast<float>(w);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
        {
            const unsigned char* p = &pixels[static_cast<std::size_t>((y * w + x) * 4)];
            if (!(p[0] > 200 && p[1] > 200 && p[2] < 60))
                continue;
            const float wx = (static_cast<float>(x) + 0.5f) * unitsPerPixel - 800.0f;
            const float wy = (static_cast<float>(y) + 0.5f) * 900.0f / static_cast<float>(h) - 450.0f;
            const float margin = 2.0f * unitsPerPixel;
            if (wx >= left - margin && wx <= right + margin && wy >= bottom - margin && wy <= top + margin)
                ++inside;
            else
                ++outside;
        }
    EXPECT_GT(inside, 100);
    EXPECT_EQ(outside, 0);
    // Centred on its object.
    EXPECT_NEAR((left + right) / 2.0f, 200.0f, 10.0f);

    // A text that does not draw itself still shows over its object's sprite.
    text->SetRenderBool(false);
    AddSprite(sign, Image("red.png", Red));
    sign->GetComponent<Transform>()->SetScale(5.0f, 1.0f);
    DrawFrame();
    ASSERT_TRUE(graphics->ReadPixels(0, 0, w, h, pixels));
    int yellow = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        yellow += (pixels[i] > 200 && pixels[i + 1] > 200 && pixels[i + 2] < 60) ? 1 : 0;
    EXPECT_GT(yellow, 100);
}

TEST_F(Drawing, ParticlesDrawAtTheEmittersCurrentPlace)
{
    GameObject* o = Make("sparks", 0, 0, 1, 0.5f, 0.5f);
    auto* e = new Emitter();
    e->SetTexturePath(Image("green.png", Green));
    e->SetMaxCount(1);
    e->SetSpeedRange(0.0f, 0.0f);
    o->AddComponent(e);
    e->Initialise();

    // Moved since its matrix was last built: the particle follows the move.
    o->GetComponent<Transform>()->Update();
    o->GetComponent<Transform>()->SetTrans(-300, 100);
    DrawFrame();
    EXPECT_EQ(e->GetCount(), 1);
    EXPECT_TRUE(Near(At(-300, 100), green));
    EXPECT_TRUE(Near(At(0, 0), background));
    EXPECT_TRUE(Near(At(-300, 170), background));
}

TEST_F(Drawing, StartUpLoadsEveryGameSpriteAndFreesTheLoadingScreen)
{
    ::testing::internal::CaptureStdout();
    graphics->Initialise();
    const std::string out = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("ZI BAO LIAO"), std::string::npos) << out;
    EXPECT_NE(graphics->GetLoadingScreenTexture(), 0u);

    // The loading frame shows the loading screen's picture over the whole
    // window and nothing else: what readies the programs for the first scene
    // leaves no mark. (The software renderer's swap copies the frame out,
    // so the drawing buffer still holds it.)
    {
        const DecodedImage picture = TextureDecoder::Decode("Assets/Sprites/Menu/LoadingScreen.png");
        ASSERT_NE(picture.pixels, nullptr);
        ASSERT_EQ(picture.channels, 4);
        int w = 0, h = 0;
        window->GetClientSize(w, h);
        std::vector<unsigned char> pixels;
        ASSERT_TRUE(graphics->ReadPixels(0, 0, w, h, pixels));
        // The picture filtered as the sampler does: linear between the four
        // texels around each pixel's centre (rows bottom first, as read back).
        auto texel = [&](int tx, int ty, int c) {
            tx = std::clamp(tx, 0, picture.width - 1);
            ty = std::clamp(ty, 0, picture.height - 1);
            return static_cast<float>(picture.pixels[static_cast<std::size_t>((ty * picture.width + tx) * 4 + c)]);
        };
        int worst = 0;
        for (int y = 2; y < h; y += 11)
            for (int x = 3; x < w; x += 13)
            {
                const float u = (static_cast<float>(x) + 0.5f) * static_cast<float>(picture.width) / static_cast<float>(w) - 0.5f;
                const float v = (static_cast<float>(y) + 0.5f) * static_cast<float>(picture.height) / static_cast<float>(h) - 0.5f;
                const int tx = static_cast<int>(std::floor(u)), ty = static_cast<int>(std::floor(v));
                const float fx = u - static_cast<float>(tx), fy = v - static_cast<float>(ty);
                for (int c = 0; c < 3; ++c)
                {
                    const float expected =
                        (texel(tx, ty, c) * (1 - fx) + texel(tx + 1, ty, c) * fx) * (1 - fy) +
                        (texel(tx, ty + 1, c) * (1 - fx) + texel(tx + 1, ty + 1, c) * fx) * fy;
                    const int got = pixels[static_cast<std::size_t>((y * w + x) * 4 + c)];
                    worst = std::max(worst, static_cast<int>(std::fabs(static_cast<float>(got) - expected)));
                }
            }
        EXPECT_LE(worst, 4);
    }

    using IsTexture = unsigned char (*)(unsigned int);
    auto isTexture = reinterpret_cast<IsTexture>(dlsym(RTLD_DEFAULT, "glIsTexture"));
    ASSERT_NE(isTexture, nullptr);
    EXPECT_FALSE(isTexture(graphics->GetLoadingScreenTexture()));

    for (const std::string& name : graphics->GetImageFiles())
    {
        if (name.size() < 4 || name.substr(name.size() - 4) != ".png")
            continue;
        ::testing::internal::CaptureStdout();
        unsigned int* cell = graphics->GetTexture(name);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "") << name;
        ASSERT_NE(cell, nullptr) << name;
        EXPECT_TRUE(isTexture(*cell)) << name;
    }
    EXPECT_NE(graphics->GetTexture("Menu/LoadingScreen.png"), nullptr);
}
