// What a player can have open at once is drawn in the right order in every
// level as shipped: with the court full of bubbles and amounts, a stall's
// menu and the price just paid for it, the statistics window, a star panel,
// the mailbox, the tutorial's box and the pause menu all open, each lies
// wholly over what it must cover.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Mail/MailBoxSystem.h"
#include "World/CloudMotor.h"

using namespace KiteFramework;

namespace
{
    // What a sprite belongs to, front first: each covers all that follow.
    enum Layer
    {
        Fade,
        Pause,
        Mail,
        StarPanel,
        Statistics,
        Tutorial,
        PricePaid,
        StallMenu,
        Hud,
        Feedback,
        Court,
        Other
    };
    const char* const LayerNames[] = {"fade",         "pause menu", "mailbox",    "star panel", "statistics window",
                                      "tutorial box", "price paid", "stall menu", "HUD",        "feedback",
                                      "court",        "other"};

    bool StartsWith(const std::string& s, const std::string& head) { return s.rfind(head, 0) == 0; }

    bool HasAncestor(const GameObject* o, const std::string& head)
    {
        for (const GameObject* p = o; p; p = p->GetParent())
            if (StartsWith(p->getName(), head))
                return true;
        return false;
    }

    const GameObject* Root(const GameObject* o)
    {
        while (o->GetParent())
            o = o->GetParent();
        return o;
    }

    Layer LayerOf(const GameObject* o)
    {
        const std::string root = Root(o)->getName();
        // The tutorial's blockers only catch clicks.
        if (root.size() > 7 && root.compare(root.size() - 7, 7, "Blocker") == 0)
            return Other;
        if (root == "FadeIn")
            return Fade;
        static const std::set<std::string> pause{"PausePanel", "ResumeButton", "RestartButton", "MenuReturnButton",
                                                 "PauseQuitButton"};
        if (pause.count(root))
            return Pause;
        if (HasAncestor(o, "MailboxMenuParent"))
            return Mail;
        if (HasAncestor(o, "StarOnePanel") || HasAncestor(o, "StarTwoPanel") || HasAncestor(o, "StarThreePanel"))
            return StarPanel;
        if (HasAncestor(o, "StatsWindow"))
            return Statistics;
        if (StartsWith(root, "Instruction") || StartsWith(root, "TutorialArrow_"))
            return Tutorial;
        // What a purchase cost rises from the stall through its open menu.
        if (root == "LoseCash")
            return PricePaid;
        if (HasAncestor(o, "UpgradeMenu"))
            return StallMenu;
        static const std::set<std::string> hud{"HUDPanel", "MoneyText", "LikesText", "MaintenanceCostText",
                                               "SeatCB", "SpeedIndicator", "SpeedMult", "FastForwardButton",
                                               "StatsButton", "PauseHUDButton", "Mailbox", "StallBuildButton",
                                               "SeatBuildButton"};
        if (hud.count(root) || StartsWith(root, "BuildStall") || StartsWith(root, "Speed") ||
            StartsWith(root, "ProgressBarOuter") || StartsWith(root, "InnerProgressionBar") ||
            (StartsWith(root, "Star") && root.size() == 5))
            return Hud;
        if (StartsWith(root, "SpeechBubble") || root == "SpeechPreference" || root == "CashMoving" ||
            root == "HeartMoving" || root == "LoseHeart" || root == "NoMoney")
            return Feedback;
        if (StartsWith(root, "Stall") || StartsWith(root, "Seat") || root == "Background")
            return Court;
        return Other;
    }

    struct Box
    {
        float left, right, bottom, top;
    };

    Box BoxOf(const Transform& t)
    {
        const Vector2D at = t.GetTransVec();
        const Vector2D half = t.GetScaleVec() * 50.0f;
        return Box{at.x - half.x, at.x + half.x, at.y - half.y, at.y + half.y};
    }

    bool Overlap(const Box& a, const Box& b)
    {
        return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
    }

    void ShowAll(GameObject* o)
    {
        if (!o)
            return;
        o->setActive(true);
        for (GameObject* child : o->GetChildren())
            ShowAll(child);
    }

    class PanelOrder : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start({"TutorialLevel", "Level1", "Level2", "Level3"}));
            GENRANDNUM::Seed(3);
        }
        void TearDown() override { game.Stop(); }

        GameObject* Named(const std::string& name) const { return FACTORY->FindObjByName(name); }

        // Everything a player can have open at once, over a busy court.
        void OpenEverything(const std::string& level)
        {
            ASSERT_EQ(game.Load(level), "") << level;
            // A stall with its menu open on the place nearest the stars.
            GameObject* node = nullptr;
            for (int i = 1; i <= 8; ++i)
                if (GameObject* n = Named("StallNode" + std::to_string(i)))
                    if (!node || BoxOf(*n->GetComponent<Transform>()).right >
                                     BoxOf(*node->GetComponent<Transform>()).right)
                        node = n;
            ASSERT_NE(node, nullptr);
            GameObject* stall = Instantiate("Stall1", node->GetComponent<Transform>()->GetTransVec(), 0.0f);
            ASSERT_NE(stall, nullptr);
            ASSERT_NE(UpgradeSystem::Instance(), nullptr);
            UpgradeSystem::Instance()->OpenUpgradeMenu(stall->GetComponent<UpgradeBehaviour>());
            for (GameObject* child : stall->GetChildren())
                ShowAll(child);
            // The price just paid for it.
            ASSERT_NE(Instantiate("LoseCash", node->GetComponent<Transform>()->GetTransVec(), 0.0f), nullptr);
            // Bubbles and amounts all over the middle of the screen.
            const char* const feedback[] = {"SpeechBubbleAngry", "CashMoving", "LoseHeart", "SpeechPreference"};
            for (int x = -700; x <= 700; x += 140)
                for (int y = -300; y <= 300; y += 150)
                    Instantiate(feedback[(x / 140 + y / 150 + 20) % 4], Vector2D(float(x), float(y)), 0.0f);
            // The statistics window, a star panel with its missions, the
            // tutorial's box and arrows.
            ShowAll(Named("StatsWindow"));
            ShowAll(Named("StarOnePanel"));
            for (const char* name : {"Instruction_6", "InstructionArrow", "TutorialArrow_0", "TutorialArrow_1",
                                     "TutorialArrow_2", "TutorialArrow_3"})
                ShowAll(Named(name));
            // The mailbox with letters in it, then the pause menu.
            MailBoxSystem* mail = MailBoxSystem::Instance();
            ASSERT_NE(mail, nullptr);
            for (int type = 1; type <= 7; ++type)
                for (int k = 0; k < mail->threshold; ++k)
                    mail->AddMail(type);
            ShowAll(Named("MailboxMenuParent"));
            for (const char* name : {"PausePanel", "ResumeButton", "RestartButton", "MenuReturnButton",
                                     "PauseQuitButton"})
                ShowAll(Named(name));
        }

        // Every pair of shown sprites of two layers that overlap on the
        // screen, where the one that should be in front is drawn first.
        std::vector<std::string> Misdrawn() const
        {
            std::vector<std::pair<const Sprite*, Layer>> shown;
            for (const auto* objects : {&FACTORY->GetObjects(), &FACTORY->GetUIObjects()})
                for (const auto& entry : *objects)
                {
                    const GameObject* o = entry.second;
                    const Sprite* s = o ? o->GetComponent<Sprite>() : nullptr;
                    if (!s || !o->isActive() || !s->IsRenderable() || !o->GetComponent<Transform>())
                        continue;
                    const Layer layer = LayerOf(o);
                    if (layer != Other)
                        shown.emplace_back(s, layer);
                }
            std::vector<std::string> wrong;
            for (const auto& [front, frontLayer] : shown)
                for (const auto& [back, backLayer] : shown)
                {
                    if (frontLayer >= backLayer)
                        continue;
                    const Transform* f = front->GetOwner()->GetComponent<Transform>();
                    const Transform* b = back->GetOwner()->GetComponent<Transform>();
                    if (Overlap(BoxOf(*f), BoxOf(*b)) && !RenderOrderCompare(back, front))
                        wrong.push_back(std::string(LayerNames[frontLayer]) + " \"" + front->GetOwner()->getName() +
                                        "\" is drawn under " + LayerNames[backLayer] + " \"" +
                                        back->GetOwner()->getName() + "\"");
                }
            return wrong;
        }

        KiteTest::ShippedGame game;
    };

    std::string Join(const std::vector<std::string>& lines)
    {
        std::string out;
        for (std::size_t i = 0; i < lines.size() && i < 12; ++i)
            out += lines[i] + "\n";
        return out;
    }
}

TEST_F(PanelOrder, WhatCanBeOpenAtOnceLiesInFrontOfWhatItCoversInEveryLevel)
{
    for (const std::string level : {"TutorialLevel", "Level1", "Level2", "Level3"})
    {
        OpenEverything(level);
        const std::vector<std::string> wrong = Misdrawn();
        EXPECT_TRUE(wrong.empty()) << level << ": " << wrong.size() << " pairs drawn the wrong way round\n"
                                   << Join(wrong);
    }
}

TEST_F(PanelOrder, TheTutorialsCashCloudDriftsClearOfTheInstructionBox)
{
    ASSERT_EQ(game.Load("TutorialLevel"), "");
    // The cloud comes with the click that ends step 28, and is there while
    // step 29 asks for a click on it.
    for (const char* step : {"Instruction_29"})
    {
        const Box box = BoxOf(*Named(step)->GetComponent<Transform>());
        int crossings = 0;
        for (int seed = 1; seed <= 40; ++seed)
        {
            GENRANDNUM::Seed(static_cast<unsigned>(seed));
            GameObject* cloud = Instantiate("CashCloud", Vector2D(), 0.0f);
            ASSERT_NE(cloud, nullptr);
            CloudMotor* motor = cloud->GetComponent<CloudMotor>();
            motor->MakeCashCloud();
            // Its path over its whole life, at its own speed.
            Transform* t = cloud->GetComponent<Transform>();
            const Vector2D start = t->GetTransVec();
            bool crossed = false;
            for (float s = 0.0f; s <= motor->lifeTimeOfCashCloud; s += 1.0f)
            {
                t->SetTrans(start + motor->cashCloudSpeed * s);
                crossed = crossed || Overlap(BoxOf(*t), box);
            }
            crossings += crossed ? 1 : 0;
            cloud->Destroy();
        }
        EXPECT_EQ(crossings, 0) << "of 40 cash clouds, so many pass behind " << step;
    }
}
