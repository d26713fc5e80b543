// Sprite texture coordinates, sheet animation and the sprite's and text's
// XML forms; no window needed.
#include <gtest/gtest.h>

#include <tinyxml2.h>

#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"

using namespace KiteFramework;

namespace
{
    using UV = Sprite::UV;

    // The bottom-left vertex's coordinates: where the shown cell starts.
    UV Corner(const Sprite& s) { return s.UVs()[0]; }

    void ExpectCell(const Sprite& s, float u, float v)
    {
        EXPECT_NEAR(Corner(s)[0], u, 1e-5f);
        EXPECT_NEAR(Corner(s)[1], v, 1e-5f);
    }
}

TEST(SpriteSheet, NewSpriteShowsTheWholeImageWithSixCoordinates)
{
    Sprite s;
    const std::vector<UV> uv = s.GetUV();
    ASSERT_EQ(uv.size(), 6u);
    const std::vector<UV> expected = {{0, 0}, {0, 1}, {1, 1}, {1, 1}, {1, 0}, {0, 0}};
    EXPECT_EQ(uv, expected);
}

TEST(SpriteSheet, WalksColumnsThenRowsThenLoopsOneCellPerStep)
{
    Sprite s;
    s.InGameSet("sheet/", 4, 2, 12.0f, 2.0f);
    const float step = 1.0f / 24.0f + 1e-4f;

    s.SetAnimated(true);
    s.Animate(step / 2.0f);
    ExpectCell(s, 0.0f, 0.0f);

    const float expected[][2] = {{0.25f, 0}, {0.5f, 0}, {0.75f, 0}, {0, 0.5f}, {0.25f, 0.5f},
                                 {0.5f, 0.5f}, {0.75f, 0.5f}, {0, 0}};
    s.Animate(step / 2.0f); // the two halves add up to a whole cell
    ExpectCell(s, expected[0][0], expected[0][1]);
    for (int i = 1; i < 8; ++i)
    {
        s.Animate(step);
        ExpectCell(s, expected[i][0], expected[i][1]);
    }
    EXPECT_EQ(s.GetLoopsPlayed(), 1);
    EXPECT_TRUE(s.getAnimated());

    // A long frame still moves one cell only.
    s.Animate(10.0f);
    ExpectCell(s, 0.25f, 0.0f);
    // Every vertex moves with the cell: the top-right one is a cell away.
    EXPECT_NEAR(s.UVs()[2][0], 0.5f, 1e-5f);
    EXPECT_NEAR(s.UVs()[2][1], 0.5f, 1e-5f);
}

TEST(SpriteSheet, AnimationCountStopsOnTheLastCell)
{
    Sprite s;
    s.InGameSet("sheet/", 2, 2, 10.0f, 1.0f);
    s.SetAnimationCount(2);
    const float step = 0.1f + 1e-4f;
    for (int i = 0; i < 3 + 1 + 3; ++i)
        s.Animate(step);
    ExpectCell(s, 0.5f, 0.5f);
    EXPECT_TRUE(s.getAnimated());
    s.Animate(step);
    EXPECT_FALSE(s.getAnimated());
    ExpectCell(s, 0.5f, 0.5f);

    // Zero loops means forever.
    Sprite forever;
    forever.InGameSet("sheet/", 2, 1, 10.0f, 1.0f);
    forever.SetAnimationCount(0);
    for (int i = 0; i < 50; ++i)
        forever.Animate(step);
    EXPECT_TRUE(forever.getAnimated());
    EXPECT_EQ(forever.GetLoopsPlayed(), 25);
}

TEST(SpriteSheet, FlipStartingRowAndDegenerateRates)
{
    Sprite s;
    s.InGameSet("sheet/", 4, 2);
    s.SetStartingRow(2);
    s.SetFlipX(true);
    s.Update(); // the flip applies at the next update
    ExpectCell(s, 0.25f, 0.5f);
    EXPECT_NEAR(s.UVs()[2][0], 0.0f, 1e-6f);
    EXPECT_NEAR(s.UVs()[2][1], 1.0f, 1e-6f);

    // Speed 0 keeps the plain frame time; frame rate 0 holds the first column.
    Sprite still;
    still.InGameSet("sheet/", 4, 1, 20.0f, 0.0f);
    EXPECT_NEAR(still.GetFrameTime(), 0.05f, 1e-6f);
    still.SetColumn(2);
    still.SetFrameRate(0.0f);
    still.Animate(1.0f);
    ExpectCell(still, 0.0f, 0.0f);

    // A sheet said to have no cells still shows the image.
    Sprite empty;
    empty.InGameSet("sheet/", 0, 0);
    for (const UV& p : empty.UVs())
    {
        EXPECT_GE(p[0], 0.0f);
        EXPECT_LE(p[0], 1.0f);
        EXPECT_GE(p[1], 0.0f);
        EXPECT_LE(p[1], 1.0f);
    }
}

TEST(SpriteSheet, SlashPathRestartsAndColumnsStayOnTheSheet)
{
    Sprite s;
    s.SetTexturePath("Food\\Noodles.png");
    EXPECT_EQ(s.GetTexturePath(), "Food/Noodles.png");
    s.InGameSet("ignored/", 3, 1);
    s.SetColumn(2);
    s.InGameSet("Food/");
    EXPECT_EQ(s.GetTexturePath(), "Food/Noodles.png");
    EXPECT_EQ(s.GetCurrCol(), 0);
    s.InGameSet("");
    EXPECT_EQ(s.GetTexturePath(), "Food/Noodles.png");

    s.SetColumn(40);
    EXPECT_EQ(s.GetCurrCol(), 2);
    s.IncrementColumn();
    EXPECT_EQ(s.GetCurrCol(), 2);
    s.DecrementColumn();
    s.DecrementColumn();
    s.DecrementColumn();
    EXPECT_EQ(s.GetCurrCol(), 0);
    ExpectCell(s, 0.0f, 0.0f);
}

TEST(RendererXml, SpriteAndTextRoundTrip)
{
    tinyxml2::XMLDocument doc;
    Sprite plain;
    plain.InGameSet("Food/", 3, 2, 8.0f, 1.5f);
    plain.SetTexturePath("Food/Bowl.png");
    plain.SetBlendPath("Food/Night.png");
    plain.TintSet(0.5f, 0.25f, 1.0f, 0.75f);
    plain.ToggleRender(true);
    plain.SetFlipX(true);
    tinyxml2::XMLElement* e = doc.NewElement("Sprite");
    doc.InsertEndChild(e);
    plain.XMLSerialise(e, &doc);
    EXPECT_EQ(e->FirstChildElement("blendTexturePath"), nullptr);

    Sprite read;
    read.XMLUnSerialise(e->FirstChildElement());
    EXPECT_EQ(read.GetTexturePath(), "Food/Bowl.png");
    EXPECT_EQ(read.GetColumn(), 3);
    EXPECT_EQ(read.GetRow(), 2u);
    EXPECT_TRUE(read.IsRenderable());
    EXPECT_TRUE(read.GetFlipXconst());
    EXPECT_EQ(read.GetTint(), plain.GetTint());
    EXPECT_EQ(read.GetBlendPath(), "");

    plain.SetBlendable(true);
    tinyxml2::XMLElement* blendable = doc.NewElement("Sprite");
    plain.XMLSerialise(blendable, &doc);
    Sprite readBlend;
    readBlend.XMLUnSerialise(blendable->FirstChildElement());
    EXPECT_EQ(readBlend.GetBlendPath(), "Food/Night.png");
    // The copy keeps the blend path only for a blendable sprite.
    EXPECT_EQ(Sprite(readBlend).GetBlendPath(), "Food/Night.png");
    EXPECT_EQ(Sprite(read).GetBlendPath(), "");

    Text text;
    text.SetText("Open!");
    text.SetColor({1.0f, 0.5f, 0.0f});
    text.SetScale(0.3f);
    text.SetOffset(Vector2D(4.0f, -2.0f));
    text.SetCentralise(false);
    tinyxml2::XMLElement* t = doc.NewElement("Text");
    text.XMLSerialise(t, &doc);
    Text readText;
    readText.XMLUnSerialise(t->FirstChildElement());
    EXPECT_EQ(*readText.GetText(), "Open!");
    EXPECT_FLOAT_EQ(*readText.GetScale(), 0.3f);
    EXPECT_FLOAT_EQ(readText.GetColor()[1], 0.5f);
    // What the editor saves comes back.
    EXPECT_EQ(readText.GetOffset(), Vector2D(4.0f, -2.0f));
    EXPECT_FALSE(readText.GetCentralise());

    // A file with the first four fields only keeps the default placement.
    tinyxml2::XMLElement* shortText = doc.NewElement("Text");
    text.XMLSerialise(shortText, &doc);
    shortText->DeleteChild(shortText->LastChildElement());
    shortText->DeleteChild(shortText->LastChildElement());
    Text readShort;
    readShort.XMLUnSerialise(shortText->FirstChildElement());
    EXPECT_EQ(readShort.GetOffset(), Vector2D());
    EXPECT_TRUE(readShort.GetCentralise());
}
