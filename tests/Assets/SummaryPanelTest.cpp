// The end-of-level panels as shipped, once slid in: the title sits on the
// board's title band, and the statistics and the next button lie inside the
// board's wooden frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"

using namespace KiteFramework;

namespace
{
    struct Box
    {
        float left, right, bottom, top;
        bool Holds(const Box& o) const
        {
            return o.left >= left && o.right <= right && o.bottom >= bottom && o.top <= top;
        }
    };

    std::string Describe(const Box& b)
    {
        return "(" + std::to_string(int(b.left)) + ".." + std::to_string(int(b.right)) + ", " +
               std::to_string(int(b.bottom)) + ".." + std::to_string(int(b.top)) + ")";
    }

    Box SpriteBox(const GameObject* o)
    {
        const Transform* t = o->GetComponent<Transform>();
        const Vector2D at = t->GetTransVec();
        const Vector2D half = t->GetScaleVec() * 50.0f;
        return Box{at.x - half.x, at.x + half.x, at.y - half.y, at.y + half.y};
    }

    bool GlyphBox(const GameObject* o, Box& out)
    {
        const Text* text = o->GetComponent<Text>();
        if (!text)
            return false;
        const Transform* t = o->GetComponent<Transform>();
        std::vector<GlyphQuad> quads;
        GRAPHICS->LayoutText(text->String(), t->GetTransVec().x, t->GetTransVec().y, text->Scale(),
                             text->GetOffset(), text->GetCentralise(), quads);
        if (quads.empty())
            return false;
        out = Box{quads[0].left, quads[0].right, quads[0].bottom, quads[0].top};
        for (const GlyphQuad& q : quads)
            out = Box{std::min(out.left, q.left), std::max(out.right, q.right), std::min(out.bottom, q.bottom),
                      std::max(out.top, q.top)};
        return true;
    }

    // The board's art, drawn at one pixel a world unit: a wooden frame 28
    // pixels wide, and a title band over the middle half of its top edge,
    // from 10 to 64 pixels below it.
    constexpr float Frame = 28.0f;
    constexpr float BandTop = 10.0f;
    constexpr float BandBottom = 64.0f;

    class SummaryPanel : public ::testing::Test
    {
    protected:
        void SetUp() override { ASSERT_TRUE(game.Start({"Level1"})); }
        void TearDown() override { game.Stop(); }

        // The panel slid in over a level with large figures.
        GameObject* SlideIn(const std::string& archetype)
        {
            EXPECT_EQ(game.Load("Level1"), "");
            LevelStatsSystem::Instance()->CustomerServed = 1049;
            LevelStatsSystem::Instance()->GrossRevenue = 99999.0f;
            GameObject* panel = Instantiate(archetype, Vector2D(), 0.0f);
            for (int i = 0; i < 60; ++i)
                game.GameEngine().Step();
            return panel;
        }

        KiteTest::ShippedGame game;
    };
}

TEST_F(SummaryPanel, TheTitleSitsOnTheBandAndEverythingElseInsideTheFrame)
{
    for (const char* summary : {"WinSummary", "LoseSummary"})
    {
        GameObject* panel = SlideIn(summary);
        ASSERT_NE(panel, nullptr) << summary;
        const Box board = SpriteBox(panel);
        const float width = board.right - board.left;
        const Box band{board.left + width / 4.0f, board.right - width / 4.0f, board.top - BandBottom,
                       board.top - BandTop};
        Box title{};
        ASSERT_TRUE(GlyphBox(panel, title)) << summary << ": the panel has no title";
        EXPECT_TRUE(band.Holds(title)) << summary << ": the title " << Describe(title) << " is off the band "
                                       << Describe(band);

        const Box inside{board.left + Frame, board.right - Frame, board.bottom + Frame, board.top - Frame};
        ASSERT_EQ(panel->GetChildren().size(), 7u) << summary;
        for (const GameObject* child : panel->GetChildren())
        {
            ASSERT_TRUE(child->isActive()) << summary << ": " << child->getName() << " is not shown";
            Box glyphs{};
            if (GlyphBox(child, glyphs))
                EXPECT_TRUE(inside.Holds(glyphs)) << summary << ": the text of " << child->getName() << " "
                                                  << Describe(glyphs) << " runs onto the frame";
            if (child->getName() == "NextButton")
                EXPECT_TRUE(inside.Holds(SpriteBox(child)))
                    << summary << ": the next button " << Describe(SpriteBox(child)) << " runs past the frame "
                    << Describe(inside);
        }
    }
}
