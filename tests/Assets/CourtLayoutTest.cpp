// Where things stand on the screen in every level as shipped: the HUD keeps
// in from the screen's edges and off the bins, and the nightly upkeep it
// shows floats on the screen; the tutorial's click blockers are unseen. The
// menus' panels keep clear of their titles and frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Objects/Transform.h"
#include "Trouble/TrashBin.h"

using namespace KiteFramework;

namespace
{
    struct Box
    {
        float left = 0.0f, right = 0.0f, bottom = 0.0f, top = 0.0f;
        bool Overlaps(const Box& o) const { return left < o.right && o.left < right && bottom < o.top && o.bottom < top; }
        bool Inside(const Box& o, float margin) const
        {
            return left >= o.left + margin && right <= o.right - margin && bottom >= o.bottom + margin &&
                   top <= o.top - margin;
        }
    };

    const Box Screen{-800.0f, 800.0f, -450.0f, 450.0f};

    Box Around(Vector2D at, Vector2D scale)
    {
        const Vector2D half = scale * 50.0f;
        return Box{at.x - half.x, at.x + half.x, at.y - half.y, at.y + half.y};
    }

    Box SpriteBox(const GameObject* o)
    {
        const Transform* t = o->GetComponent<Transform>();
        return Around(t->GetTransVec(), t->GetScaleVec());
    }

    std::string Where(const Box& b)
    {
        return "[" + std::to_string(static_cast<int>(b.left)) + ", " + std::to_string(static_cast<int>(b.right)) +
               "] x [" + std::to_string(static_cast<int>(b.bottom)) + ", " + std::to_string(static_cast<int>(b.top)) +
               "]";
    }

    bool Shown(const GameObject* o)
    {
        const Sprite* s = o ? o->GetComponent<Sprite>() : nullptr;
        return s && o->isActive() && s->IsRenderable() && s->GetAlpha() > 0.05f && o->GetComponent<Transform>();
    }

    // The HUD's layers: its back panel, the star bars and the buttons on them.
    bool InHud(const GameObject* o)
    {
        const float depth = o->GetComponent<Transform>()->GetDepth();
        return depth >= 11.89f && depth <= 12.01f;
    }

    const char* const Levels[] = {"TutorialLevel", "Level1", "Level2", "Level3"};

    class CourtLayout : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start({"TutorialLevel", "Level1", "Level2", "Level3", "MainMenu", "Credits"}));
            GENRANDNUM::Seed(4);
        }
        void TearDown() override { game.Stop(); }

        void Frames(int n)
        {
            for (int i = 0; i < n; ++i)
                game.GameEngine().Step();
        }

        GameObject* Named(const std::string& name) const { return FACTORY->FindObjByName(name); }

        template <typename F> void EachObject(F f) const
        {
            for (const auto* objects : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
                for (const auto& entry : *objects)
                    if (entry.second)
                        f(entry.second);
        }

        std::vector<const GameObject*> HudSprites() const
        {
            std::vector<const GameObject*> out;
            EachObject([&](const GameObject* o) {
                if (!o->GetParent() && Shown(o) && InHud(o))
                    out.push_back(o);
            });
            return out;
        }

        KiteTest::ShippedGame game;
    };
}

TEST_F(CourtLayout, TheBinsLieClearOfTheHud)
{
    for (const char* level : Levels)
    {
        ASSERT_EQ(game.Load(level), "") << level;
        Frames(40);
        const std::vector<const GameObject*> hud = HudSprites();
        ASSERT_GT(hud.size(), 10u) << level;
        int bins = 0;
        EachObject([&](const GameObject* o) {
            if (!o->GetComponent<TrashBin>())
                return;
            ++bins;
            for (const GameObject* h : hud)
                EXPECT_FALSE(SpriteBox(o).Overlaps(SpriteBox(h)))
                    << level << ": " << o->getName() << " " << Where(SpriteBox(o)) << " lies under the HUD's "
                    << h->getName() << " " << Where(SpriteBox(h));
        });
        EXPECT_EQ(bins, 2) << level;
    }
}

TEST_F(CourtLayout, TheHudKeepsInFromTheEdgesAndTheNightlyUpkeepFloatsOnTheScreen)
{
    for (const char* level : Levels)
    {
        ASSERT_EQ(game.Load(level), "") << level;
        Frames(40);
        for (const GameObject* h : HudSprites())
            EXPECT_TRUE(SpriteBox(h).Inside(Screen, 4.0f))
                << level << ": the HUD's " << h->getName() << " " << Where(SpriteBox(h)) << " touches the screen's edge";

        // The upkeep is shown where its figure stands, as the night comes.
        const GameObject* figure = Named("MaintenanceCostText");
        ASSERT_NE(figure, nullptr) << level;
        GameObject* shown = Instantiate("MaintenanceLoseCash", figure->GetComponent<Transform>()->GetTransVec(), 0.0f);
        ASSERT_NE(shown, nullptr);
        const ObjectHandle handle(shown);
        for (int frame = 0; frame < 240 && handle.Get<Transform>(); ++frame)
        {
            const GameObject* o = handle.Get<Transform>()->GetOwner();
            if (Shown(o))
                ASSERT_TRUE(SpriteBox(o).Inside(Screen, 0.0f))
                    << level << ": the nightly upkeep " << Where(SpriteBox(o)) << " leaves the screen at frame " << frame;
            Frames(1);
        }
    }
}

// The tutorial's click blockers only catch clicks: none is seen over the
// buttons it guards.
TEST_F(CourtLayout, TheTutorialsBlockersAreUnseen)
{
    ASSERT_EQ(game.Load("TutorialLevel"), "");
    Frames(40);
    int blockers = 0;
    EachObject([&](GameObject* o) {
        const std::string name = o->getName();
        if (name.size() < 7 || name.compare(name.size() - 7, 7, "Blocker") != 0)
            return;
        ++blockers;
        o->setActive(true);
        EXPECT_FALSE(Shown(o)) << name << " is drawn";
    });
    EXPECT_GE(blockers, 4);
}

TEST_F(CourtLayout, MenuPanelsKeepClearOfTheTitleAndTheirFrames)
{
    ASSERT_EQ(game.Load("MainMenu"), "");
    Frames(2);
    GameObject* options = Named("OptionsPanel");
    const GameObject* banner = Named("TitleBanner");
    ASSERT_NE(options, nullptr);
    ASSERT_NE(banner, nullptr);
    options->setActive(true);
    EXPECT_FALSE(SpriteBox(options).Overlaps(SpriteBox(banner)))
        << "the options panel " << Where(SpriteBox(options)) << " cuts through the title " << Where(SpriteBox(banner));
    EXPECT_TRUE(SpriteBox(options).Inside(Screen, 0.0f));
    // Its close button stays on the cream, above the frame's bottom (about
    // 40 deep at this size).
    const GameObject* close = Named("OptionsCloseButton");
    ASSERT_NE(close, nullptr);
    EXPECT_GE(SpriteBox(close).bottom, SpriteBox(options).bottom + 46.0f)
        << "the options' Close " << Where(SpriteBox(close)) << " sits on the frame of " << Where(SpriteBox(options));

    ASSERT_EQ(game.Load("Credits"), "");
    Frames(2);
    const GameObject* board = Named("CreditsBoard");
    const GameObject* back = Named("BackButton");
    ASSERT_NE(board, nullptr);
    ASSERT_NE(back, nullptr);
    // On the board's cream (its art keeps a frame and shadow 64 deep at the
    // bottom, 34 elsewhere) or off the board altogether.
    const Box b = SpriteBox(board);
    const Box cream{b.left + 34.0f, b.right - 34.0f, b.bottom + 64.0f, b.top - 34.0f};
    EXPECT_TRUE(SpriteBox(back).Inside(cream, 6.0f) || !SpriteBox(back).Overlaps(b))
        << "the Back button " << Where(SpriteBox(back)) << " sits on the board's frame " << Where(b);
}
