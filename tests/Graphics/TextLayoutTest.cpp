// Text layout from glyph metrics: centring, baselines, line breaks and the
// ends of strings; with made-up glyphs and with the game's font. No window.
#include "Graphics/GraphicsWorld.h"

#include <filesystem>

using namespace KiteTest;

namespace
{
    Character Glyph(int w, int h, int left, int top, int advance)
    {
        Character c;
        c.size[0] = w;
        c.size[1] = h;
        c.bearing[0] = left;
        c.bearing[1] = top;
        c.advance = static_cast<unsigned>(advance * 64);
        return c;
    }

    class TextLayout : public GraphicsWorld
    {
    protected:
        void SetUp() override
        {
            GraphicsWorld::SetUp();
            graphics->SetGlyph('A', Glyph(60, 90, 5, 90, 70));
            graphics->SetGlyph('B', Glyph(50, 90, 8, 90, 64));
            graphics->SetGlyph(' ', Glyph(0, 0, 0, 0, 30));
            graphics->SetGlyph('g', Glyph(50, 100, 4, 70, 60));
            graphics->SetGlyph('n', Glyph(40, 60, 4, 60, 50));
            graphics->SetGlyph('\\', Glyph(20, 100, 2, 100, 30));
        }

        std::vector<GlyphQuad> Layout(const std::string& text, float x, float y, float scale, bool centred,
                                      Vector2D offset = Vector2D())
        {
            std::vector<GlyphQuad> quads;
            graphics->LayoutText(text, x, y, scale, offset, centred, quads);
            return quads;
        }
    };
}

TEST_F(TextLayout, CentresALineOnItsPenTravelAndAddsTheOffset)
{
    std::vector<GlyphQuad> q = Layout("AB", 0, 0, 0.5f, true);
    ASSERT_EQ(q.size(), 2u);
    const float half = (70 + 64) * 0.5f / 2.0f;
    EXPECT_FLOAT_EQ(q[0].left, 5 * 0.5f - half);
    EXPECT_FLOAT_EQ(q[0].right, q[0].left + 30);
    EXPECT_FLOAT_EQ(q[1].left, 70 * 0.5f + 8 * 0.5f - half);
    // Capitals stand on the baseline at y.
    EXPECT_FLOAT_EQ(q[0].bottom, 0.0f);
    EXPECT_FLOAT_EQ(q[0].top, 45.0f);

    std::vector<GlyphQuad> plain = Layout("AB", 100, 20, 1.0f, false, Vector2D(3, -4));
    EXPECT_FLOAT_EQ(plain[0].left, 100 + 5 + 3);
    EXPECT_FLOAT_EQ(plain[1].left, 100 + 70 + 8 + 3);
    EXPECT_FLOAT_EQ(plain[0].bottom, 20 - 4);

    // Blanks take room but draw nothing; codes above 127 take neither.
    std::vector<GlyphQuad> spaced = Layout(std::string("A \xC3") + "B", 0, 0, 1.0f, false);
    ASSERT_EQ(spaced.size(), 2u);
    EXPECT_FLOAT_EQ(spaced[1].left, 70 + 30 + 8);
}

TEST_F(TextLayout, DescendersReachBelowTheBaseline)
{
    std::vector<GlyphQuad> q = Layout("Ag", 0, 0, 1.0f, false);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_FLOAT_EQ(q[1].top, 70.0f);
    EXPECT_FLOAT_EQ(q[1].bottom, -30.0f);
}

TEST_F(TextLayout, LineBreaksStartAFreshCentredLineLower)
{
    // Written as a backslash and an n, with the customary blank after it.
    std::vector<GlyphQuad> q = Layout("AB\\n A", 0, 100, 1.0f, true);
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[2].character, 'A');
    const float lineHeight = 90 + 100 / 2;
    EXPECT_FLOAT_EQ(q[2].bottom, 100 - lineHeight);
    // Each line is centred on its own width.
    EXPECT_FLOAT_EQ(q[2].left, 5 - 35.0f);

    // Without the blank the next character is kept; a real line break works too.
    std::vector<GlyphQuad> tight = Layout("A\\nBn", 0, 0, 1.0f, false);
    ASSERT_EQ(tight.size(), 3u);
    EXPECT_EQ(tight[1].character, 'B');
    EXPECT_FLOAT_EQ(tight[1].left, 8);
    std::vector<GlyphQuad> real = Layout("A\nB", 0, 0, 1.0f, false);
    ASSERT_EQ(real.size(), 2u);
    EXPECT_FLOAT_EQ(real[1].bottom, -lineHeight);
}

TEST_F(TextLayout, StringsEndingInABreakStopAtTheirEnd)
{
    EXPECT_EQ(Layout("AB\\n", 0, 0, 1.0f, true).size(), 2u);
    EXPECT_EQ(Layout("AB\\n ", 0, 0, 1.0f, true).size(), 2u);
    // A lone backslash at the end is an ordinary character.
    std::vector<GlyphQuad> q = Layout("A\\", 0, 0, 1.0f, false);
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[1].character, '\\');
    EXPECT_TRUE(Layout("", 0, 0, 1.0f, true).empty());
    EXPECT_TRUE(Layout("\\n\\n", 0, 0, 1.0f, true).empty());
}

TEST_F(TextLayout, TheGameFontIsCentredAndReadWithoutAWindow)
{
    const std::string font = std::string(KITE_ASSET_ROOT) + "/Fonts/SHOWG.ttf";
    ASSERT_TRUE(std::filesystem::exists(font)) << "the asset build makes " << font;
    graphics->LoadFont(font);
    const Character& a = graphics->GetGlyph('A');
    EXPECT_GT(a.size[0], 40);
    EXPECT_GT(a.size[1], 60);
    EXPECT_LE(a.size[1], 128);
    EXPECT_GT(a.advance, 0u);
    EXPECT_EQ(graphics->GetGlyph(200).advance, 0u);

    std::vector<GlyphQuad> q = Layout("HOH", 0, 0, 0.5f, true);
    ASSERT_EQ(q.size(), 3u);
    // Symmetric letters: the ink is centred on x within a few units.
    EXPECT_NEAR(q.front().left + q.back().right, 0.0f, 6.0f);
    EXPECT_NEAR(q[1].left + q[1].right, 0.0f, 6.0f);
}

TEST_F(TextLayout, ATextComponentKeepsItsLayoutUntilItOrTheFontChangesAndCutsItToItsBox)
{
    GameObject* o = Make("label", 0, 0);
    Text* text = AddText(o, "ABAB");
    const std::vector<GlyphQuad>& first = text->Layout(*graphics);
    ASSERT_EQ(first.size(), 4u);
    text->Layout(*graphics);
    EXPECT_EQ(text->GetLayoutCount(), 1u);

    // Each input of the layout counts: string, scale, box and the glyphs.
    text->SetText("AB");
    EXPECT_EQ(text->Layout(*graphics).size(), 2u);
    text->SetScale(0.5f);
    text->Layout(*graphics);
    EXPECT_EQ(text->GetLayoutCount(), 3u);
    graphics->SetGlyph('B', Glyph(50, 90, 8, 90, 80));
    text->Layout(*graphics);
    EXPECT_EQ(text->GetLayoutCount(), 4u);

    // Centred on its position, a long line keeps only the glyphs wholly in
    // the box: 70 units a glyph at scale 1, and the middle two fit in 250.
    text->SetScale(1.0f);
    text->SetText(std::string(1000, 'A'));
    text->SetClipBox(Vector2D(250.0f, 200.0f));
    const std::vector<GlyphQuad>& cut = text->Layout(*graphics);
    ASSERT_EQ(cut.size(), 2u);
    for (const GlyphQuad& q : cut)
    {
        EXPECT_GE(q.left, -125.0f);
        EXPECT_LE(q.right, 125.0f);
    }
    // Lines below the box's bottom are gone too (140 units a line).
    text->SetText("A\\nA\\nA\\nA");
    text->SetClipBox(Vector2D(250.0f, 300.0f));
    EXPECT_EQ(text->Layout(*graphics).size(), 2u);
}
