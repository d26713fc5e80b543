// Quads drawn in runs (Xvfb): a frame of many sprites of mixed textures,
// blend, tint, flip, outline, text and particles is the same picture, byte
// for byte, as drawing every quad with a draw call of its own; consecutive
// quads that share their state collapse into one draw call and a change of
// state splits the run. Skipped without a display.
#include "Graphics/GraphicsWorld.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <stb/stb_image_write.h>

#include "Core/Math/Random.h"

using namespace KiteTest;

namespace
{
    // Four vertical stripes, so that a flip or another sheet cell shows.
    RGBA Stripes(int x, int, int w, int)
    {
        const RGBA colours[4] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}, {255, 255, 0, 255}};
        return colours[x * 4 / w];
    }
    // A soft dot: alpha falls towards the rim.
    RGBA Dot(int x, int y, int w, int h)
    {
        const int dx = 2 * x - w + 1;
        const int dy = 2 * y - h + 1;
        const int r2 = dx * dx + dy * dy;
        const int alpha = r2 >= w * w ? 0 : 255 - 255 * r2 / (w * w);
        return {255, 160, 40, static_cast<unsigned char>(alpha)};
    }

    class Batching : public WindowWorld
    {
    protected:
        Sprite* Box(float x, float y, float depth, const std::string& texture, float scale = 1.0f)
        {
            return AddSprite(Make("box", x, y, depth, scale, scale), texture);
        }

        std::vector<unsigned char> Frame()
        {
            DrawFrame();
            int w = 0, h = 0;
            window->GetClientSize(w, h);
            std::vector<unsigned char> pixels;
            EXPECT_TRUE(graphics->ReadPixels(0, 0, w, h, pixels));
            return pixels;
        }
    };
}

TEST_F(Batching, SameStateQuadsAreOneDrawCallAndAStateChangeSplitsTheRun)
{
    const std::string redPng = Image("red.png", Red);
    const std::string greenPng = Image("green.png", Green);
    for (int i = 0; i < 40; ++i)
    {
        Sprite* s = Box(-700.0f + 35.0f * static_cast<float>(i), (i % 5) * 60.0f - 120.0f, 10.0f + i, redPng, 0.3f);
        // Tint and flip travel with each quad: they split nothing.
        s->TintSet(1.0f, 0.5f + 0.01f * static_cast<float>(i), 1.0f, 0.9f);
        s->SetFlipX(i % 2 == 0);
    }
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 1u);

    // Another texture in the middle of the draw order: before, it, after.
    Box(0, 0, 29.5f, greenPng, 0.3f);
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 3u);
    EXPECT_TRUE(Near(At(0, 0), green));

    // A blend texture at weight 0 changes no pixel and splits nothing; at a
    // weight above 0 it does, as does the outline. So does a white tint,
    // which the quad's program then skips.
    Sprite* last = Box(300, 300, 1.0f, redPng, 0.3f);
    last->TintSet(1.0f, 0.5f, 1.0f, 0.9f);
    last->SetBlendable(true);
    last->SetBlendTexturePtr(graphics->GetTexture(greenPng));
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 3u);
    EXPECT_TRUE(Near(At(300, 300), {238, 8, 8, 255}));
    last->SetBlend(0.5f);
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 4u);
    EXPECT_TRUE(Near(At(300, 300), {123, 66, 8, 255}));
    last->SetBlend(0.0f);
    last->SetDebugDraw(true);
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 4u);
    last->SetDebugDraw(false);
    last->TintSet(1.0f, 1.0f, 1.0f, 1.0f);
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 4u);
    EXPECT_TRUE(Near(At(300, 300), red));

    // Switched to one quad a call, the same frame takes a call per quad.
    graphics->SetBatchRuns(false);
    DrawFrame();
    EXPECT_EQ(graphics->GetDrawCalls(), 42u);
}

// A sprite faded out to nothing (alpha 0, or below it, as a fade that ran
// past its end leaves it) changes no pixel and is left out of the frame: a
// veil over the whole window then costs no draw call. Faint or outlined, it
// is drawn again.
TEST_F(Batching, FullyTransparentSpritesAreLeftOutUnlessOutlined)
{
    const std::string redPng = Image("red.png", Red);
    const std::string greenPng = Image("green.png", Green);
    Box(0, 0, 10.0f, redPng, 0.3f);
    const std::vector<unsigned char> alone = Frame();
    EXPECT_EQ(graphics->GetDrawCalls(), 1u);

    Sprite* veil = Box(0, 0, 1.0f, greenPng, 30.0f);
    for (float alpha : {0.0f, -0.02f})
    {
        veil->AlphaSet(alpha);
        EXPECT_TRUE(Frame() == alone) << "alpha " << alpha;
        EXPECT_EQ(graphics->GetDrawCalls(), 1u) << "alpha " << alpha;
    }
    veil->AlphaSet(0.01f);
    Frame();
    EXPECT_EQ(graphics->GetDrawCalls(), 2u);
    veil->AlphaSet(0.0f);
    veil->SetDebugDraw(true);
    Frame();
    EXPECT_EQ(graphics->GetDrawCalls(), 2u) << "the outline is drawn";
}

TEST_F(Batching, TextsAreOneDrawCallWithTheSameGlyphsAsTheirOwnTextures)
{
    Text* hello = AddText(Make("sign", -300, 100, 2), "Hello, world");
    hello->SetColor({1.0f, 1.0f, 0.0f});
    hello->SetScale(0.6f);
    Text* score = AddText(Make("score", 250, -150, 1), "Score: 1234\\n Gold: 56");
    score->SetColor({0.2f, 0.8f, 1.0f});
    score->SetScale(0.35f);
    const std::vector<unsigned char> layered = Frame();
    EXPECT_EQ(graphics->GetDrawCalls(), 1u);

    // Each glyph from its own texture: a call a glyph, and not one pixel
    // differs.
    graphics->SetBatchRuns(false);
    const std::vector<unsigned char> own = Frame();
    EXPECT_GT(graphics->GetDrawCalls(), 20u);
    ASSERT_EQ(layered.size(), own.size());
    std::size_t differing = 0;
    std::size_t covered = 0;
    for (std::size_t i = 0; i < own.size(); i += 4)
    {
        differing += std::equal(&own[i], &own[i] + 4, &layered[i]) ? 0 : 1;
        covered += Near({own[i], own[i + 1], own[i + 2], 0}, background, 2) ? 0 : 1;
    }
    EXPECT_EQ(differing, 0u);
    EXPECT_GT(covered, 1000u);
}

TEST_F(Batching, ParticlesOfOneEmitterAreOneDrawCall)
{
    GENRANDNUM::Seed(7);
    GameObject* o = Make("sparks", -200, 0, 1, 0.3f, 0.3f);
    auto* e = new Emitter();
    e->SetTexturePath(Image("dot.png", Dot));
    e->SetMaxCount(30);
    e->SetEmissionRate(6000);
    e->SetSpeedRange(-50.0f, 50.0f);
    o->AddComponent(e);
    e->Initialise();
    DrawFrame();
    DrawFrame();
    EXPECT_EQ(e->GetCount(), 30);
    EXPECT_EQ(graphics->GetDrawCalls(), 1u);
}

TEST_F(Batching, EmittersMoveOnceAFrameWhateverTheOrderOfTheList)
{
    // The list is out of order at the first frame only once past the
    // emitter (a deeper sprite added last) and in order later: either way
    // one birth a frame at 60 a second.
    const std::string dot = Image("dot.png", Dot);
    GameObject* o = Make("sparks", 100, 0, 3, 0.3f, 0.3f);
    auto* e = new Emitter();
    e->SetTexturePath(dot);
    e->SetMaxCount(10);
    e->SetEmissionRate(60);
    o->AddComponent(e);
    e->Initialise();
    Box(0, 0, 2, dot);
    Box(-100, 0, 5, dot);
    for (int frame = 1; frame <= 4; ++frame)
    {
        DrawFrame();
        EXPECT_EQ(e->GetCount(), frame);
    }
}

TEST_F(Batching, MixedFrameIsTheSamePictureAsOneQuadADrawCall)
{
    GENRANDNUM::Seed(11);
    const std::string textures[] = {Image("red.png", Red), Image("stripes.png", Stripes, 32, 16),
                                    Image("dot.png", Dot, 32, 32), Image("white.png", White)};
    const std::string blendWith = Image("green.png", Green);
    std::vector<Sprite*> sprites;
    // A crowd that overlaps: each property changes from one sprite to the
    // next, so runs start and end all over the draw order.
    for (int i = 0; i < 120; ++i)
    {
        const float x = -760.0f + static_cast<float>((i * 137) % 1520);
        const float y = -400.0f + static_cast<float>((i * 263) % 800);
        const float depth = 1.0f + static_cast<float>((i * 29) % 17);
        Sprite* s = Box(x, y, depth, textures[i % 4], 0.4f + 0.1f * static_cast<float>(i % 5));
        sprites.push_back(s);
        if (i % 3 == 0)
            s->TintSet(0.2f + 0.1f * static_cast<float>(i % 7), 0.9f, 0.5f, 0.4f + 0.1f * static_cast<float>(i % 6));
        if (i % 4 == 1)
            s->SetFlipX(true);
        if (i % 5 == 2)
            s->InGameSet("/", 4, 1);
        if (i % 5 == 3)
            s->SetColumn(2);
        if (i % 6 == 4)
        {
            s->SetBlendable(true);
            s->SetBlendTexturePtr(graphics->GetTexture(blendWith));
            s->SetBlend(i % 12 == 4 ? 0.35f : 0.0f);
        }
        if (i % 17 == 5)
            s->SetDebugDraw(true);
        if (i % 9 == 0)
        {
            Text* t = AddText(s->GetOwner(), "Kite " + std::to_string(i));
            t->SetScale(0.2f);
            t->SetColor({0.1f * static_cast<float>(i % 10), 1.0f, 0.3f});
            t->SetRenderBool(i % 2 == 0);
        }
        s->GetOwner()->GetComponent<Transform>()->SetRot(static_cast<float>((i * 13) % 90));
    }
    GameObject* o = Make("sparks", 100, -100, 3, 0.2f, 0.2f);
    auto* e = new Emitter();
    e->SetTexturePath(textures[2]);
    e->SetMaxCount(12);
    e->SetEmissionRate(6000);
    e->SetSpeedRange(0.0f, 0.0f);
    o->AddComponent(e);
    e->Initialise();
    // Fill the pool; still particles stay where they are from then on.
    DrawFrame();
    DrawFrame();
    ASSERT_EQ(e->GetCount(), 12);

    // Drawn in runs, then one quad a call, the same picture byte for byte.
    const auto compare = [&](const char* when) -> std::vector<unsigned char> {
        graphics->SetBatchRuns(true);
        const std::vector<unsigned char> batched = Frame();
        const std::size_t batchedCalls = graphics->GetDrawCalls();
        graphics->SetBatchRuns(false);
        const std::vector<unsigned char> single = Frame();
        const std::size_t singleCalls = graphics->GetDrawCalls();
        EXPECT_LT(batchedCalls, singleCalls) << when;
        EXPECT_EQ(batched.size(), single.size()) << when;
        std::size_t differing = 0;
        for (std::size_t i = 0; i < std::min(batched.size(), single.size()); ++i)
            differing += batched[i] != single[i] ? 1 : 0;
        EXPECT_EQ(differing, 0u) << when;
        return single;
    };
    compare("in order since the last frame");

    // Some objects move across others: the list is out of order when the
    // frame starts (what was queued on the way is dropped and redrawn), and
    // an object's sprite is replaced by another.
    for (int i = 0; i < 120; i += 7)
        sprites[i]->GetOwner()->GetComponent<Transform>()->SetTrans(-760.0f + 11.0f * i, 390.0f - 6.0f * i);
    sprites[30]->GetOwner()->GetComponent<Transform>()->SetDepth(0.5f);
    GameObject* replaced = sprites[40]->GetOwner();
    replaced->RemoveComponent(sprites[40]);
    AddSprite(replaced, textures[0])->TintSet(0.3f, 0.3f, 1.0f, 1.0f);
    const std::vector<unsigned char> single = compare("after moves");
    EXPECT_EQ(graphics->GetSprites().size(), 120u);

    if (const char* keep = std::getenv("KITE_KEEP_PICTURE"))
    {
        int w = 0, h = 0;
        window->GetClientSize(w, h);
        stbi_write_png(keep, w, h, 4, single.data() + static_cast<std::size_t>(w) * 4 * (h - 1), -w * 4);
    }
    // And the picture is the crowd, not the background.
    std::size_t painted = 0;
    for (std::size_t i = 0; i < single.size(); i += 4)
        painted += Near({single[i], single[i + 1], single[i + 2], 0}, background, 2) ? 0 : 1;
    EXPECT_GT(painted, single.size() / 4 / 10);
}

// Frames drawn while the list stays in order take the quick walk; what
// changes between them (depth, texture, visibility, a tint written through
// its pointer, a move) shows in the very next frame and in those after it,
// for sprites in the middle of a long list.
TEST_F(Batching, ChangesBetweenInOrderFramesShowAtOnce)
{
    const std::string redPng = Image("red.png", Red);
    const std::string whitePng = Image("white.png", White);
    // Small boxes before and after the two, deeper first: the list is in
    // order from the start.
    for (int i = 0; i < 40; ++i)
        Box(-700.0f + 30.0f * static_cast<float>(i), 300.0f, 60.0f - static_cast<float>(i), redPng, 0.1f);
    Sprite* a = Box(-200, 0, 3, redPng);
    Sprite* b = Box(-160, 0, 2, whitePng);
    b->TintSet(0.0f, 1.0f, 0.0f, 1.0f);
    for (int i = 0; i < 30; ++i)
        Box(-700.0f + 30.0f * static_cast<float>(i), -300.0f, 1.9f - 0.01f * static_cast<float>(i), whitePng, 0.1f);
    Transform* at = a->GetOwner()->GetComponent<Transform>();
    const RGBA white{255, 255, 255, 255};
    const RGBA blue{0, 0, 255, 255};
    // Three frames: the first after a change may find the list out of
    // order, the later ones draw on the way again.
    const auto shows = [&](const char* when, const RGBA& overlap, const RGBA& aAlone, const RGBA& bAlone) {
        for (int frame = 0; frame < 3; ++frame)
        {
            DrawFrame();
            EXPECT_TRUE(Near(At(-180, 0), overlap)) << when << ", frame " << frame;
            EXPECT_TRUE(Near(At(-240, 0), aAlone)) << when << ", frame " << frame;
            EXPECT_TRUE(Near(At(-120, 0), bAlone)) << when << ", frame " << frame;
            EXPECT_TRUE(Near(At(-700, 300), red)) << when << ", frame " << frame;
        }
    };
    shows("at the start", green, red, green);
    at->SetDepth(1.0f);
    shows("nearer", red, red, green);
    a->InGameSet(whitePng);
    shows("another texture", white, white, green);
    a->ToggleRender(false);
    shows("hidden", green, background, green);
    (*b->GetColor()) = {0.0f, 0.0f, 1.0f, 1.0f};
    shows("tinted through the pointer", blue, background, blue);
    a->ToggleRender(true);
    at->SetDepth(3.0f);
    b->GetOwner()->GetComponent<Transform>()->SetTrans(-140, 0);
    shows("back and moved", blue, white, blue);
}

TEST_F(Batching, KnownColoursThroughTheStream)
{
    // Blend weight, tint with alpha over another sprite, and the draw order
    // across a texture change, at spots whose colour is known.
    const std::string redPng = Image("red.png", Red);
    const std::string whitePng = Image("white.png", White);
    Sprite* back = Box(-300, 0, 5, redPng);
    back->SetBlendable(true);
    back->SetBlendTexturePtr(graphics->GetTexture(Image("green.png", Green)));
    back->SetBlend(0.25f);
    Sprite* glass = Box(-260, 0, 2, whitePng);
    glass->TintSet(0.0f, 0.0f, 1.0f, 0.5f);
    Box(300, 0, 2, redPng);
    Box(330, 0, 1, whitePng)->TintSet(0.0f, 1.0f, 0.0f, 1.0f);
    DrawFrame();
    EXPECT_TRUE(Near(At(-340, 0), {191, 64, 0, 255}, 6));   // 3/4 red, 1/4 green
    EXPECT_TRUE(Near(At(-280, 0), {96, 32, 128, 255}, 6));  // half blue over that
    EXPECT_TRUE(Near(At(-230, 0), {42, 42, 170, 255}, 6));  // half blue over the background
    EXPECT_TRUE(Near(At(270, 0), red));
    EXPECT_TRUE(Near(At(320, 0), green));                   // the nearer one on top
    EXPECT_TRUE(Near(At(0, 0), background));
}

TEST_F(Batching, AFrameLargerThanTheStreamKeepsEveryQuad)
{
    // 60 by 40 small squares, more than the stream first holds: the stream
    // grows in the middle of the frame and keeps what was written before.
    const std::string redPng = Image("red.png", Red);
    const std::string greenPng = Image("green.png", Green);
    for (int row = 0; row < 40; ++row)
        for (int column = 0; column < 60; ++column)
        {
            const float x = -780.0f + 26.0f * static_cast<float>(column);
            const float y = -430.0f + 22.0f * static_cast<float>(row);
            // Deeper rows first, so the list is in order from the start.
            Box(x, y, 100.0f - static_cast<float>(row), row < 20 ? redPng : greenPng, 0.12f);
        }
    for (int frame = 0; frame < 2; ++frame)
    {
        DrawFrame();
        EXPECT_EQ(graphics->GetDrawCalls(), 2u);
        EXPECT_TRUE(Near(At(-780, -430), red));
        EXPECT_TRUE(Near(At(-780 + 26 * 30, -430 + 22 * 19), red));
        EXPECT_TRUE(Near(At(-780 + 26 * 59, -430 + 22 * 20), green));
        EXPECT_TRUE(Near(At(-780 + 26 * 59, -430 + 22 * 39), green));
        EXPECT_TRUE(Near(At(-780 + 13, -430), background));
    }
}

TEST_F(Batching, FirstFrameWithTextOutOfOrderIsTheSamePicture)
{
    // The glyph layers are made at the first text drawn, here while the
    // list is in order so far but turns out not to be further on: what was
    // queued before the text must not be drawn twice (the half-transparent
    // sprite would show it).
    const std::string redPng = Image("red.png", Red);
    Box(-200, 0, 10, redPng, 2.0f)->AlphaSet(0.5f);
    Text* sign = AddText(Make("sign", -200, 0, 9), "Early text");
    sign->SetColor({1.0f, 1.0f, 0.0f});
    sign->SetScale(0.4f);
    Box(-150, 20, 11, Image("green.png", Green), 2.0f);
    const std::vector<unsigned char> first = Frame();
    graphics->SetBatchRuns(false);
    const std::vector<unsigned char> single = Frame();
    ASSERT_EQ(first.size(), single.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < first.size(); ++i)
        differing += first[i] != single[i] ? 1 : 0;
    EXPECT_EQ(differing, 0u);
}
