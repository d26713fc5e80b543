// A stall's menu as shipped, in every level: at every level of the stall
// and under construction, no two of its parts (buttons, badges, the close
// button) lie on each other, the construction bar stays clear of all of
// them, the price just paid is drawn over the menu, and customers' bubbles
// under it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Building/SpawnButton.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"

using namespace KiteFramework;

namespace
{
    struct Box
    {
        float left, right, bottom, top;
    };

    Box BoxOf(const GameObject* o)
    {
        const Transform* t = o->GetComponent<Transform>();
        const Vector2D at = t->GetTransVec();
        const Vector2D half = t->GetScaleVec() * 50.0f;
        return Box{at.x - half.x, at.x + half.x, at.y - half.y, at.y + half.y};
    }

    bool Overlap(const Box& a, const Box& b)
    {
        return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
    }

    bool Shown(const GameObject* o)
    {
        const Sprite* s = o ? o->GetComponent<Sprite>() : nullptr;
        return s && o->isActive() && s->IsRenderable() && o->GetComponent<Transform>();
    }

    void ShowAll(GameObject* o)
    {
        o->setActive(true);
        for (GameObject* child : o->GetChildren())
            ShowAll(child);
    }

    void Collect(GameObject* o, std::vector<GameObject*>& out)
    {
        if (Shown(o))
            out.push_back(o);
        for (GameObject* child : o->GetChildren())
            Collect(child, out);
    }

    class StallMenuLayout : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start({"TutorialLevel", "Level1", "Level2", "Level3"}));
            GENRANDNUM::Seed(7);
        }
        void TearDown() override { game.Stop(); }

        void Frames(int n)
        {
            for (int i = 0; i < n; ++i)
                game.GameEngine().Step();
        }

        // The dearest stall bought onto the level's first place, its menu open.
        void Open(const std::string& level)
        {
            ASSERT_EQ(game.Load(level), "") << level;
            GameObject* node = FACTORY->FindObjByName("StallNode1");
            ASSERT_NE(node, nullptr) << level;
            stall = Instantiate("Stall8", node->GetComponent<Transform>()->GetTransVec(), 0.0f);
            ASSERT_NE(stall, nullptr);
            upgrade = stall->GetComponent<UpgradeBehaviour>();
            ASSERT_NE(UpgradeSystem::Instance(), nullptr);
            UpgradeSystem::Instance()->OpenUpgradeMenu(upgrade);
            menu = upgrade->GetMenuUpgradeButton() ? upgrade->GetMenuUpgradeButton()->GetParent() : nullptr;
            ASSERT_NE(menu, nullptr);
            ShowAll(menu);
            upgrade->UpdateTexts();
        }

        // The next upgrade started at once, paid for, with the last one's
        // bar gone.
        void UpgradeNow()
        {
            for (GameObject* child : stall->GetChildren())
                if (child->getName() == "UpgradeBarBacking")
                    child->Destroy();
            LevelStatsSystem::Instance()->SetMoney(1.0e7f);
            upgrade->upgrading = false;
            upgrade->StartUpgrade();
            Frames(1);
        }

        // Every pair of the menu's shown parts that lie on each other, and
        // every part the construction bar runs under.
        std::vector<std::string> Overlaps() const
        {
            std::vector<GameObject*> parts;
            Collect(menu, parts);
            std::vector<GameObject*> bar;
            for (GameObject* child : stall->GetChildren())
                if (child != menu)
                    Collect(child, bar);
            std::vector<std::string> out;
            for (std::size_t i = 0; i < parts.size(); ++i)
            {
                for (std::size_t j = i + 1; j < parts.size(); ++j)
                    if (Overlap(BoxOf(parts[i]), BoxOf(parts[j])))
                        out.push_back(parts[i]->getName() + " lies on " + parts[j]->getName());
                for (const GameObject* b : bar)
                    if (Overlap(BoxOf(parts[i]), BoxOf(b)))
                        out.push_back(b->getName() + " runs under " + parts[i]->getName());
            }
            return out;
        }

        // The menu's parts that a sprite overlaps and is drawn under.
        std::vector<std::string> Covering(const GameObject* o) const
        {
            std::vector<GameObject*> parts;
            Collect(menu, parts);
            std::vector<std::string> out;
            for (const GameObject* part : parts)
                if (Overlap(BoxOf(part), BoxOf(o)) &&
                    !RenderOrderCompare(part->GetComponent<Sprite>(), o->GetComponent<Sprite>()))
                    out.push_back(part->getName());
            return out;
        }

        static std::string Join(const std::vector<std::string>& lines)
        {
            std::string out;
            for (const std::string& line : lines)
                out += "  " + line + "\n";
            return out;
        }

        KiteTest::ShippedGame game;
        GameObject* stall = nullptr;
        GameObject* menu = nullptr;
        UpgradeBehaviour* upgrade = nullptr;
    };
}

TEST_F(StallMenuLayout, NoPartLiesOnAnotherAtAnyLevelNorUnderConstruction)
{
    for (const char* level : {"TutorialLevel", "Level1", "Level2", "Level3"})
    {
        Open(level);
        std::vector<std::string> wrong = Overlaps();
        EXPECT_TRUE(wrong.empty()) << level << ", a new stall:\n" << Join(wrong);
        for (int step = 2; step <= 10 && upgrade->upgradeCountdown > 0; ++step)
        {
            UpgradeNow();
            ASSERT_TRUE(upgrade->upgrading);
            wrong = Overlaps();
            EXPECT_TRUE(wrong.empty()) << level << ", building level " << step << ":\n" << Join(wrong);
        }
        EXPECT_EQ(upgrade->upgradeCountdown, 0u) << level << ": the stall reached its last level";
        // Finished: the last level's menu, "Max level" on it.
        upgrade->upgradeTimer = upgrade->upgradeTime;
        Frames(3);
        ASSERT_FALSE(upgrade->upgrading);
        wrong = Overlaps();
        EXPECT_TRUE(wrong.empty()) << level << ", at the last level:\n" << Join(wrong);
    }
}

TEST_F(StallMenuLayout, ThePricePaidRisesOverTheMenuAndBubblesStayUnderIt)
{
    for (const char* level : {"Level1", "Level3"})
    {
        Open(level);
        const Vector2D at = stall->GetComponent<Transform>()->GetTransVec();
        UpgradeNow();
        // The amount the upgrade cost, where the stall shows it.
        GameObject* price = nullptr;
        for (const auto* objects : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
            for (const auto& entry : *objects)
                if (entry.second->getName() == "LoseCash")
                    price = entry.second;
        ASSERT_NE(price, nullptr) << level;
        // Along the whole of its rise.
        for (float dy = 0.0f; dy <= 70.0f; dy += 10.0f)
        {
            price->GetComponent<Transform>()->SetTrans(at + Vector2D(0.0f, dy));
            const std::vector<std::string> covering = Covering(price);
            EXPECT_TRUE(covering.empty()) << level << ": the price paid, " << dy << " up, is drawn under\n"
                                          << Join(covering);
        }
        // A customer queueing at the stall says what it thinks.
        for (const char* bubble : {"SpeechBubbleAngry", "SpeechPreference", "SpeechBubbleNoTime"})
        {
            GameObject* b = Instantiate(bubble, at + Vector2D(40.0f, 0.0f), 0.0f);
            ASSERT_NE(b, nullptr);
            Frames(1);
            std::vector<GameObject*> parts;
            Collect(menu, parts);
            for (const GameObject* part : parts)
                if (Overlap(BoxOf(part), BoxOf(b)))
                    EXPECT_TRUE(RenderOrderCompare(b->GetComponent<Sprite>(), part->GetComponent<Sprite>()))
                        << level << ": " << bubble << " is drawn over " << part->getName();
        }
    }
}

TEST_F(StallMenuLayout, QueueingCustomersBubblesAreDrawnUnderTheOpenMenuWhileItsStallIsUpgraded)
{
    GENRANDNUM::Seed(3);
    ASSERT_EQ(game.Load("Level1"), "");
    // The level's own drinks stall, its menu opened.
    LevelStatsSystem::Instance()->SetMoney(1.0e7f);
    Frames(2);
    for (StallsBehaviour* s : StallsSystem::Instance()->GetStalls())
        if (!stall || s->stallIndex_ < stall->GetComponent<StallsBehaviour>()->stallIndex_)
            stall = s->GetOwner();
    ASSERT_NE(stall, nullptr);
    upgrade = stall->GetComponent<UpgradeBehaviour>();
    UpgradeSystem::Instance()->OpenUpgradeMenu(upgrade);
    menu = upgrade->GetMenuUpgradeButton()->GetParent();
    ASSERT_NE(menu, nullptr);
    // Two game minutes of customers queueing under the menu while the stall
    // is built up, read from the draw list the engine holds after each
    // frame (later entries are drawn over earlier ones).
    int overlapsSeen = 0;
    for (int frame = 0; frame < 120 * 60; ++frame)
    {
        if (!upgrade->upgrading && upgrade->upgradeCountdown > 0 && frame % 600 == 0)
        {
            LevelStatsSystem::Instance()->SetMoney(1.0e7f);
            upgrade->StartUpgrade();
        }
        Frames(1);
        const std::vector<Renderer*>& list = GRAPHICS->GetRenderers();
        std::vector<GameObject*> parts;
        Collect(menu, parts);
        for (std::size_t i = 0; i < list.size(); ++i)
        {
            GameObject* b = list[i] ? list[i]->GetOwner() : nullptr;
            if (!b || !Shown(b) || (b->getName().rfind("SpeechBubble", 0) != 0 && b->getName() != "SpeechPreference"))
                continue;
            for (GameObject* part : parts)
            {
                if (!Overlap(BoxOf(part), BoxOf(b)))
                    continue;
                ++overlapsSeen;
                const Renderer* r = part->GetComponent<Sprite>();
                std::size_t at = 0;
                while (at < list.size() && list[at] != r)
                    ++at;
                ASSERT_GT(at, i) << "frame " << frame << ": " << b->getName() << " (depth "
                                 << b->GetComponent<Transform>()->GetDepth() << ") drawn over " << part->getName()
                                 << " (depth " << part->GetComponent<Transform>()->GetDepth() << ", listed "
                                 << (at < list.size() ? "yes" : "no") << ")";
            }
        }
    }
    EXPECT_GT(overlapsSeen, 0) << "no bubble came near the menu";
}
