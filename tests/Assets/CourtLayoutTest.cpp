// Where things stand on the screen in every level as shipped: whatever can
// be built on a place (the largest stall or table) stays on the screen and
// clear of every other place, of the HUD and of the bins; a queue stays on
// the floor its stall stands on; the HUD keeps in from the screen's edges
// and off the bins, and the nightly upkeep it shows floats on the screen;
// the tutorial's click blockers are unseen. The menus' panels keep clear of
// their titles and frames.
#include <gtest/gtest.h>

#include <algorithm>
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
#include "Customers/CustomerSystem.h"
#include "Seats/SeatPlacementNode.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsSystem.h"
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

    struct Place
    {
        std::string name;
        Box box;
        bool upstairs = false;
        bool queueToLeft = false;
        Vector2D at;
    };

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

        // The largest scale among archetypes, as made in this level.
        Vector2D LargestOf(const std::vector<std::string>& archetypes)
        {
            Vector2D largest;
            for (const std::string& name : archetypes)
            {
                GameObject* made = Instantiate(name, Vector2D(0.0f, -2000.0f), 0.0f);
                EXPECT_NE(made, nullptr) << name;
                if (!made)
                    continue;
                const Vector2D s = made->GetComponent<Transform>()->GetScaleVec();
                largest = Vector2D(std::max(largest.x, s.x), std::max(largest.y, s.y));
                made->Destroy();
            }
            Frames(1);
            return largest;
        }

        // Every place, as big as the place's marker or what is built there.
        std::vector<Place> Places()
        {
            std::vector<std::string> stallLooks{"UpgradeFeedback"};
            for (int t = 1; t <= 8; ++t)
                stallLooks.push_back("Stall" + std::to_string(t));
            const Vector2D stall = LargestOf(stallLooks);
            const Vector2D seat = LargestOf({"Seat1"});
            std::vector<Place> out;
            EachObject([&](GameObject* o) {
                const StallPlacementNode* stallNode = o->GetComponent<StallPlacementNode>();
                if (!stallNode && !o->GetComponent<SeatPlacementNode>())
                    return;
                const Transform* t = o->GetComponent<Transform>();
                const Vector2D own = t->GetScaleVec();
                const Vector2D built = stallNode ? stall : seat;
                Place p;
                p.name = o->getName();
                p.at = t->GetTransVec();
                p.box = Around(p.at, Vector2D(std::max(own.x, built.x), std::max(own.y, built.y)));
                p.upstairs = o->GetComponent<SecondFloorIndicator>() != nullptr;
                p.queueToLeft = stallNode && stallNode->queueToLeft;
                if (stallNode)
                    p.name += " (stall)";
                out.push_back(p);
            });
            return out;
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

TEST_F(CourtLayout, WhatIsBuiltOnAPlaceStaysClearOfOtherPlacesTheHudAndTheBins)
{
    for (const char* level : Levels)
    {
        ASSERT_EQ(game.Load(level), "") << level;
        Frames(40);
        const std::vector<Place> places = Places();
        const std::vector<const GameObject*> hud = HudSprites();
        ASSERT_GT(places.size(), 4u) << level;
        ASSERT_GT(hud.size(), 10u) << level;
        std::vector<const GameObject*> bins;
        EachObject([&](const GameObject* o) {
            if (o->GetComponent<TrashBin>())
                bins.push_back(o);
        });
        EXPECT_EQ(bins.size(), 2u) << level;
        for (std::size_t i = 0; i < places.size(); ++i)
        {
            const Place& p = places[i];
            EXPECT_TRUE(p.box.Inside(Screen, 0.0f)) << level << ": " << p.name << " runs off the screen " << Where(p.box);
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(p.box.Overlaps(places[j].box))
                    << level << ": " << p.name << " " << Where(p.box) << " overlaps " << places[j].name << " "
                    << Where(places[j].box);
            for (const GameObject* h : hud)
                EXPECT_FALSE(p.box.Overlaps(SpriteBox(h)))
                    << level << ": " << p.name << " " << Where(p.box) << " lies under the HUD's " << h->getName() << " "
                    << Where(SpriteBox(h));
            for (const GameObject* b : bins)
                EXPECT_FALSE(p.box.Overlaps(SpriteBox(b))) << level << ": " << p.name << " covers " << b->getName();
        }
    }
}

// A queue at its longest, with its places' random shifts at their widest:
// a customer's whole figure in a queue of the floor below never stands on
// the upper floor, and one queuing upstairs stands on it.
TEST_F(CourtLayout, EveryQueueStaysOnTheFloorItsStallStandsOn)
{
    for (const char* level : Levels)
    {
        ASSERT_EQ(game.Load(level), "") << level;
        Frames(2);
        const StallsSystem* stalls = StallsSystem::Instance();
        const CustomerSystem* customers = CustomerSystem::Instance();
        ASSERT_NE(stalls, nullptr);
        ASSERT_NE(customers, nullptr);
        ASSERT_GT(customers->queueMax, 0);
        const GameObject* upper = Named("UpperFloor");
        const Vector2D figure = LargestOf({"Customer01", "Customer02", "Customer03", "Customer04", "Customer05"});
        const Vector2D jitter = stalls->queueRandomOffset;
        int upstairs = 0;
        for (const Place& p : Places())
        {
            if (p.name.find("(stall)") == std::string::npos)
                continue;
            upstairs += p.upstairs ? 1 : 0;
            for (int k = 0; k < customers->queueMax; ++k)
            {
                Vector2D at = p.at + stalls->stallToQueueOffset;
                if (k > 0)
                {
                    Vector2D start = stalls->queueStartOffset;
                    Vector2D step = stalls->queueToQueueOffset;
                    if (p.queueToLeft)
                    {
                        start.x = -start.x;
                        step.x = -step.x;
                    }
                    at = at + start + step * static_cast<float>(k);
                }
                Box body = Around(at, figure);
                body = Box{body.left - jitter.x, body.right + jitter.x, body.bottom - jitter.y, body.top + jitter.y};
                const std::string where = std::string(level) + ": place " + std::to_string(k) + " of the queue at " +
                                          p.name + " " + Where(body);
                EXPECT_TRUE(body.Inside(Screen, 0.0f)) << where << " runs off the screen";
                if (!upper)
                    continue;
                if (p.upstairs)
                    EXPECT_TRUE(body.Inside(SpriteBox(upper), 0.0f)) << where << " leaves the upper floor";
                else
                    EXPECT_FALSE(body.Overlaps(SpriteBox(upper))) << where << " stands on the upper floor";
            }
        }
        EXPECT_EQ(upstairs, upper ? 2 : 0) << level;
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
