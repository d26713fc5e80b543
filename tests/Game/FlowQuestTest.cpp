// Star missions: the draw per level, counting, the three stages, the bars,
// and a level won through its quests unlocking the next one.
#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <set>
#include <vector>

#include "Core/Engine/Message.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "Economy/LevelFlags.h"
#include "Flow/QuestSystem.h"
#include "Flow/StarButton.h"
#include "FlowWorld.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"

using namespace KiteTest;

namespace
{
    class Quests : public FlowWorld
    {
    protected:
        void SetUp() override
        {
            FlowWorld::SetUp();
            SimpleArchetype("CheckBox");
            SimpleArchetype("Tick");
            SimpleArchetype("GeneralText", true);
            SummaryArchetypes();
            GameObject* win = Make("WinSummary");
            win->AddComponent(CT_Summary);
            Archetype("WinSummary", win);
        }

        // A level with statistics, simulation goals, a stall registry, the
        // three stars with bars, pop-ups and panels, and the quest system.
        void Level(const std::string& name, unsigned seed = 1)
        {
            Add<LevelStatsSystem>(Make("Stats"), CT_LevelStatsSystem)->SetMoney(1000.0f);
            SimulationSystem* sim = Add<SimulationSystem>(Make("Simulation"), CT_SimulationSystem);
            sim->secondGoalMoney = 300;
            sim->secondGoalLikes = 40;
            sim->goalMoney = 5000;
            sim->goalLikes = 90;
            sim->loseMoney = -100000;
            Add<StallsSystem>(Make("Stalls"), CT_StallsSystem);
            const char* panels[3] = {"StarOnePanel", "StarTwoPanel", "StarThreePanel"};
            for (int i = 1; i <= 3; ++i)
            {
                const std::string d = std::to_string(i);
                GameObject* star = Make("Star" + d, -700.0f + 60.0f * i, 400.0f);
                star->AddComponent(CT_Sprite);
                star->AddComponent(CT_StarButton)->GetOwner();
                GameObject* bar = Make("InnerProgressionBar" + d, 100.0f * i, 200.0f);
                bar->GetComponent<Transform>()->SetScale(0.2f, 2.0f);
                Make("StarPopUp" + d)->AddComponent(CT_Text);
                GameObject* panel = Make(panels[i - 1]);
                panel->setActive(i == 1);
            }
            Add<QuestSystem>(Make("Quests"), CT_QuestSystem);
            GENRANDNUM::Seed(seed);
            testing::internal::CaptureStdout();
            LoadAs(name);
            lines = testing::internal::GetCapturedStdout();
            quests = QuestSystem::Instance();
            ASSERT_NE(quests, nullptr);
        }

        // A stall placed by the player (counted by the registry only).
        StallsBehaviour* PlaceStall(unsigned level = 1)
        {
            GameObject* o = Make("Stall1");
            StallsBehaviour* stall = Add<StallsBehaviour>(o, CT_StallsBehaviour);
            stall->level = level;
            StallsSystem::Instance()->AddStoredStall(stall);
            return stall;
        }

        static void Send(int event, int amount = 0, int times = 1)
        {
            for (int i = 0; i < times; ++i)
                QuestSystem::UpdateQuest(event, amount, nullptr);
        }

        // Completes every first-star mission by its own events.
        void FinishFirstStar()
        {
            for (const QuestSystem::Mission& m : quests->GetMissions(0))
            {
                if (m.kind == QuestSystem::StallUpgraded)
                {
                    StallsBehaviour* stall = PlaceStall(m.target + 1);
                    QuestSystem::UpdateQuest(QuestSystem::StallUpgraded, 0, stall);
                }
                else
                    Send(m.kind, 0, static_cast<int>(m.target));
            }
        }

        // Every star in turn, each by exactly its targets.
        void WinThroughQuests()
        {
            FinishFirstStar();
            while (static_cast<int>(StallsSystem::Instance()->GetStallCount()) < quests->GetStallCondition())
                PlaceStall();
            Step();
            for (int star = 1; star <= 2; ++star)
                for (const QuestSystem::Mission& m : std::vector<QuestSystem::Mission>(quests->GetMissions(star)))
                    Send(m.kind, static_cast<int>(m.target));
            Step();
        }

        void ExpectEveryMissionDone() const
        {
            EXPECT_EQ(quests->GetStage(), 3);
            for (int star = 0; star < 3; ++star)
                for (const QuestSystem::Mission& m : quests->GetMissions(star))
                    EXPECT_EQ(m.progress, m.target) << "star " << star + 1 << " kind " << m.kind;
        }

        QuestSystem* quests = nullptr;
        std::string lines;
    };

    // A level whose mission rows cannot be made: no row archetypes, no
    // summary to show at the end.
    class QuestsWithoutRows : public Quests
    {
    protected:
        void SetUp() override { FlowWorld::SetUp(); }
    };

    struct Column
    {
        const char* scene;
        unsigned firstCount;
        int lo[4], hi[4];
        int conditionLo, conditionHi;
    };
}

TEST_F(Quests, EachLevelDrawsItsMissionsFromItsColumn)
{
    const Column columns[] = {
        {"Level1", 2, {25, 1, 1, 2}, {25, 2, 2, 3}, 1, 2},
        {"TutorialLevel", 2, {25, 1, 1, 2}, {25, 2, 2, 3}, 1, 2},
        {"Level2", 3, {125, 2, 2, 3}, {175, 4, 4, 6}, 2, 4},
        {"Level3", 4, {200, 4, 4, 4}, {250, 8, 8, 9}, 4, 8},
    };
    for (const Column& c : columns)
        for (unsigned seed : {1u, 7u, 42u})
        {
            SCOPED_TRACE(std::string(c.scene) + " seed " + std::to_string(seed));
            factory->DeleteAllObjects();
            Level(c.scene, seed);
            const auto& first = quests->GetMissions(0);
            ASSERT_EQ(first.size(), c.firstCount);
            std::set<int> kinds;
            for (const QuestSystem::Mission& m : first)
            {
                ASSERT_GE(m.kind, 0);
                ASSERT_LE(m.kind, 3);
                kinds.insert(m.kind);
                EXPECT_GE(static_cast<int>(m.target), c.lo[m.kind]);
                EXPECT_LE(static_cast<int>(m.target), c.hi[m.kind]);
                if (m.kind == QuestSystem::Served)
                {
                    EXPECT_EQ(m.target % 25, 0u);
                }
                EXPECT_EQ(m.progress, 0u);
            }
            EXPECT_EQ(kinds.size(), first.size()) << "first-star kinds are distinct";

            const auto& second = quests->GetMissions(1);
            ASSERT_EQ(second.size(), 1u);
            EXPECT_EQ(second[0].target, second[0].kind == QuestSystem::MoneyEarned ? 300u : 40u);
            EXPECT_GE(quests->GetStallCondition(), c.conditionLo);
            EXPECT_LE(quests->GetStallCondition(), c.conditionHi);

            const auto& third = quests->GetMissions(2);
            ASSERT_EQ(third.size(), 2u);
            EXPECT_EQ(third[0].kind, QuestSystem::MoneyEarned);
            EXPECT_EQ(third[0].target, 5000u);
            EXPECT_EQ(third[1].kind, QuestSystem::LikesGained);
            EXPECT_EQ(third[1].target, 90u);
            EXPECT_EQ(TextOf("QS_3_MONEY"), "0/5000");
            EXPECT_EQ(quests->GetStage(), 0);
        }
}

TEST_F(Quests, OtherScenesGetOnlyTheThirdStarAndNoStallCondition)
{
    Level("Bonus");
    EXPECT_TRUE(quests->GetMissions(0).empty());
    EXPECT_TRUE(quests->GetMissions(1).empty());
    EXPECT_EQ(quests->GetStallCondition(), 0);
    EXPECT_NE(Find("QS_2_CONDITIONAL_CHECKBOX"), nullptr);
    // Rows of a hidden panel are made hidden.
    EXPECT_FALSE(Find("QS_2_CONDITIONAL_CHECKBOX")->isActive());
    EXPECT_TRUE(Find("QS_3_MONEY")->isActive() == Find("StarThreePanel")->isActive());
}

TEST_F(Quests, EventsBeforeTheLevelStartsAreIgnored)
{
    // Stalls and seats stored in a level register while it loads; they must
    // not count toward the missions drawn at its start.
    Add<LevelStatsSystem>(Make("Stats"), CT_LevelStatsSystem);
    QuestSystem* early = Add<QuestSystem>(Make("Quests"), CT_QuestSystem);
    QuestSystem::UpdateQuest(QuestSystem::StallPlaced, 0, nullptr);
    EXPECT_EQ(early->GetStage(), 0);
    EXPECT_FALSE(early->HasStarted());

    factory->DeleteAllObjects();
    Level("Level1");
    for (const QuestSystem::Mission& m : quests->GetMissions(0))
        EXPECT_EQ(m.progress, 0u);
}

TEST_F(Quests, FirstStarCountsStepsTicksRowsAndOpensTheSecond)
{
    Level("Level2");
    const QuestSystem::Mission first = quests->GetMissions(0)[0];
    // Second- and third-star events do nothing during the first star.
    Send(QuestSystem::MoneyEarned, 100000);
    Send(QuestSystem::LikesGained, 100000);
    EXPECT_EQ(quests->GetMissions(2)[0].progress, 0u);

    FinishFirstStar();
    EXPECT_EQ(quests->GetStage(), 1);
    for (const QuestSystem::Mission& m : quests->GetMissions(0))
        EXPECT_EQ(m.progress, m.target);
    EXPECT_FALSE(Find("StarOnePanel")->isActive());
    EXPECT_EQ(Find("Star1")->GetComponent<Sprite>()->GetTexturePath(), "Mission/Mission_Star_Completed.png");
    EXPECT_EQ(Find("Star2")->GetComponent<StarButton>()->GetDefaultPath(), "Mission/Mission_Star_Active.png");
    EXPECT_TRUE(Find("Star2")->GetComponent<StarButton>()->ButtonActive());
    if (first.kind != QuestSystem::StallUpgraded)
    {
        const char* names[3] = {"QS_1_SERVE", "QS_1_BUILDSTALLS", "QS_1_BUILDSEATS"};
        EXPECT_EQ(TextOf(names[first.kind]), std::to_string(first.target) + "/" + std::to_string(first.target));
    }
    // Every finished mission got its tick under its check box.
    std::size_t ticks = 0;
    for (const QuestSystem::Mission& m : quests->GetMissions(0))
    {
        const char* boxes[4] = {"QS_1_SERVE_CHECKBOX", "QS_1_BUILDSTALLS_CHECKBOX", "QS_1_BUILDSEATS_CHECKBOX",
                                "QS_1_UPGRADE_CHECKBOX"};
        ticks += Find(boxes[m.kind])->GetChildren().size();
    }
    EXPECT_EQ(ticks, quests->GetMissions(0).size());
    // Extra events after a mission is done change nothing.
    Send(QuestSystem::Served, 0, 5);
    EXPECT_EQ(quests->GetStage(), 1);
}

TEST_F(Quests, UpgradeMissionFollowsTheBestStall)
{
    Level("Level3");
    const QuestSystem::Mission* upgrade = nullptr;
    for (const QuestSystem::Mission& m : quests->GetMissions(0))
        if (m.kind == QuestSystem::StallUpgraded)
            upgrade = &m;
    ASSERT_NE(upgrade, nullptr) << "Level3 draws all four kinds";
    StallsBehaviour* a = PlaceStall(3);
    QuestSystem::UpdateQuest(QuestSystem::StallUpgraded, 0, a);
    EXPECT_EQ(upgrade->progress, 2u);
    StallsBehaviour* b = PlaceStall(2);
    QuestSystem::UpdateQuest(QuestSystem::StallUpgraded, 0, b);
    EXPECT_EQ(upgrade->progress, 2u);
    b->level = upgrade->target + 1;
    QuestSystem::UpdateQuest(QuestSystem::StallUpgraded, 0, b);
    EXPECT_EQ(upgrade->progress, upgrade->target);
    EXPECT_EQ(TextOf("QS_1_UPGRADE"), std::to_string(upgrade->target) + "/" + std::to_string(upgrade->target));
}

TEST_F(Quests, SecondStarWaitsForItsStallsAndTheThirdWinsTheLevel)
{
    GetLevelFlags() = {false, false, false};
    Level("Level1");
    FinishFirstStar();
    ASSERT_EQ(quests->GetStage(), 1);
    const QuestSystem::Mission& goal = quests->GetMissions(1)[0];
    const std::size_t held = StallsSystem::Instance()->GetStallCount();
    const int needed = quests->GetStallCondition();

    // Too few stalls: earnings do not count and there is no tick.
    while (StallsSystem::Instance()->GetStallCount() > 0 &&
           static_cast<int>(StallsSystem::Instance()->GetStallCount()) >= needed)
        StallsSystem::Instance()->RemoveStall(StallsSystem::Instance()->GetStalls().back());
    Step();
    Send(goal.kind, 1000000);
    EXPECT_EQ(goal.progress, 0u) << "held " << held;
    EXPECT_EQ(Find("QS_2_CONDITIONAL_CHECKBOX_TICK"), nullptr);

    while (static_cast<int>(StallsSystem::Instance()->GetStallCount()) < needed)
        PlaceStall();
    Step();
    ASSERT_NE(Find("QS_2_CONDITIONAL_CHECKBOX_TICK"), nullptr);
    Send(goal.kind, static_cast<int>(goal.target) - 1);
    EXPECT_EQ(quests->GetStage(), 1);
    Send(goal.kind, 1);
    EXPECT_EQ(quests->GetStage(), 2);

    // An earning above the rest of the target completes the mission and
    // shows more than the target; the bar of a half-done star shows 50%,
    // the overshoot not filling the other mission's share.
    Send(QuestSystem::MoneyEarned, 5230);
    EXPECT_EQ(TextOf("QS_3_MONEY"), "5230/5000");
    Step();
    EXPECT_EQ(TextOf("StarPopUp3"), "98%");  // 5000 of 5090 in all
    EXPECT_EQ(quests->GetStage(), 2);
    Send(QuestSystem::LikesGained, 89);
    Step();
    EXPECT_EQ(TextOf("StarPopUp3"), "99%");
    EXPECT_FALSE(SimulationSystem::Instance()->HasEnded());

    Send(QuestSystem::LikesGained, 1);
    EXPECT_EQ(quests->GetStage(), 3);
    Step();
    EXPECT_EQ(TextOf("StarPopUp3"), "100%");
    EXPECT_TRUE(SimulationSystem::Instance()->HasEnded());
    EXPECT_TRUE(GetLevelFlags()[1]);
    GameObject* next = Find("NextButton");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetComponent<SystemCallButton>()->GetFnStrParam(), "Level2");

    // Nothing changes after the last star.
    Send(QuestSystem::MoneyEarned, 100);
    EXPECT_EQ(quests->GetMissions(2)[0].progress, 5230u);
}

TEST_F(Quests, SalesAndLikesRowsSayTheyCountWhatIsNewNotTheTotals)
{
    // Only what comes in while a star is played counts toward it, so its
    // rows cannot read as the money and likes the HUD shows.
    Level("Level1");
    const auto labels = [&](const char* panel) {
        std::vector<std::string> out;
        for (GameObject* child : Find(panel)->GetChildren())
            if (const Text* t = child->GetComponent<Text>())
                if (child->getName().rfind("QS_", 0) != 0)
                    out.push_back(t->String());
        return out;
    };
    const std::vector<std::string> third = labels("StarThreePanel");
    EXPECT_NE(std::find(third.begin(), third.end(), "earn $5000 in new sales"), third.end());
    EXPECT_NE(std::find(third.begin(), third.end(), "win 90 new likes"), third.end());
    const QuestSystem::Mission& second = quests->GetMissions(1)[0];
    const std::vector<std::string> rows = labels("StarTwoPanel");
    const std::string expected =
        second.kind == QuestSystem::MoneyEarned ? "and earn $300 in new sales" : "and win 40 new likes";
    EXPECT_NE(std::find(rows.begin(), rows.end(), expected), rows.end()) << "second star, kind " << second.kind;

    // Likes won before the third star's turn stay out of it.
    Send(QuestSystem::LikesGained, 50);
    EXPECT_EQ(TextOf("QS_3_LIKES"), "0/90");
}

TEST_F(Quests, AStarsPopUpShowsWhileHoveredAndGoesWithAClick)
{
    Level("Level1");
    GameObject* star = Find("Star1");
    StarButton* button = star->GetComponent<StarButton>();
    button->objToHover = "StarPopUp1";
    button->SetToggleObject("StarOnePanel");
    button->Initialise();
    button->ButtonActive(true);
    GameObject* popUp = Find("StarPopUp1");
    GameObject* panel = Find("StarOnePanel");
    popUp->setActive(false);
    panel->setActive(false);
    const auto send = [&](std::initializer_list<MsgID::MessageIdType> ids) {
        for (MsgID::MessageIdType id : ids)
        {
            Message m(id);
            star->SendMessage(&m);
        }
    };
    // The pointer comes onto the star and rests there.
    send({MsgID::MouseEnter, MsgID::MouseOver});
    EXPECT_TRUE(popUp->isActive());
    // A press and a release, each with the pointer over the star.
    send({MsgID::MouseOver, MsgID::MouseDown, MsgID::MouseOver, MsgID::MouseUp});
    EXPECT_TRUE(panel->isActive());
    EXPECT_FALSE(popUp->isActive()) << "the panel answers the click";
    send({MsgID::MouseOver});
    EXPECT_TRUE(popUp->isActive()) << "a move over the star shows it again";
    // The click that closes the panel leaves no pop-up behind.
    send({MsgID::MouseOver, MsgID::MouseDown, MsgID::MouseOver, MsgID::MouseUp});
    EXPECT_FALSE(panel->isActive());
    EXPECT_FALSE(popUp->isActive());
    send({MsgID::MouseOver, MsgID::MouseExit});
    EXPECT_FALSE(popUp->isActive());
}

TEST_F(Quests, WinningLevel2UnlocksLevel3)
{
    GetLevelFlags() = {true, false, false};
    Level("Level2");
    WinThroughQuests();
    ExpectEveryMissionDone();
    EXPECT_TRUE(SimulationSystem::Instance()->HasEnded());
    EXPECT_EQ(GetLevelFlags(), (std::array<bool, 3>{true, false, true}));
    GameObject* next = Find("NextButton");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetComponent<SystemCallButton>()->GetFnStrParam(), "Level3");
}

TEST_F(QuestsWithoutRows, MissionsCountWithoutTheirRowArchetypes)
{
    GetLevelFlags() = {true, false, false};
    testing::internal::CaptureStderr();
    Level("Level1");
    WinThroughQuests();
    testing::internal::GetCapturedStderr();
    ExpectEveryMissionDone();
    EXPECT_EQ(Find("QS_1_SERVE_CHECKBOX"), nullptr);
    EXPECT_TRUE(GetLevelFlags()[1]) << "won without anything to show it";
}

TEST_F(Quests, MissionsCountAfterTheirRowsAndStarsAreGone)
{
    Level("Level1");
    const std::set<std::string> keep = {"Stats", "Simulation", "Stalls", "Quests"};
    std::vector<GameObject*> doomed;
    for (const auto* map : {&factory->GetObjects(), &factory->GetUIObjects()})
        for (const auto& entry : *map)
            if (!entry.second->GetParent() && !keep.count(entry.second->getName()))
                doomed.push_back(entry.second);
    for (GameObject* o : doomed)
        o->Destroy();
    Step();
    ASSERT_EQ(Find("QS_1_SERVE"), nullptr);
    ASSERT_EQ(Find("Star1"), nullptr);
    WinThroughQuests();
    ExpectEveryMissionDone();
}

TEST_F(Quests, BarsShrinkTowardTheirLowerEdgeAndAnEmptyStarShowsNothingDone)
{
    float ratio = -1.0f;
    EXPECT_EQ(QuestSystem::PercentText(0, 0, ratio), "0%");
    EXPECT_EQ(ratio, 0.0f);
    EXPECT_EQ(QuestSystem::PercentText(7, 5, ratio), "100%");
    EXPECT_EQ(ratio, 1.0f);
    EXPECT_EQ(QuestSystem::PercentText(1, 3, ratio), "33%");
    // Amounts past the range of an event are held at its ends.
    EXPECT_EQ(QuestSystem::ToAmount(52.9f), 52);
    EXPECT_EQ(QuestSystem::ToAmount(1e30f), 2147483647);
    EXPECT_EQ(QuestSystem::ToAmount(-1e30f), -2147483647 - 1);
    EXPECT_EQ(QuestSystem::ToAmount(std::nanf("")), 0);

    Level("Bonus");
    Step();
    // The first star of a scene with no missions has a target of 0.
    EXPECT_EQ(TextOf("StarPopUp1"), "0%");
    Transform* bar = Find("InnerProgressionBar1")->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(bar->GetScaleVec().y, 0.0f);
    EXPECT_FLOAT_EQ(bar->GetTransVec().y, 200.0f - 50.0f);
    // A star without missions is done at its first event.
    Send(QuestSystem::Served);
    EXPECT_EQ(quests->GetStage(), 1);
    Send(QuestSystem::Served);
    EXPECT_EQ(quests->GetStage(), 2);
    Send(QuestSystem::MoneyEarned, 2500);
    Step();
    Transform* third = Find("InnerProgressionBar3")->GetComponent<Transform>();
    // 2500 of 5090.
    const float r = 2500.0f / 5090.0f;
    EXPECT_NEAR(third->GetScaleVec().y, 2.0f * r, 1e-5f);
    EXPECT_NEAR(third->GetTransVec().y, 200.0f - 100.0f * (0.5f - 0.5f * 2.0f * r), 1e-3f);
}

TEST_F(Quests, ACloneIsAQuestSystemThatLeavesTheOriginalInEffect)
{
    Level("Level1");
    GameComponent* copy = quests->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetComponentTypeId(), CT_QuestSystem);
    EXPECT_EQ(QuestSystem::Instance(), quests);
    EXPECT_EQ(QuestStageSource::Current(), quests);
    delete copy;
    EXPECT_EQ(QuestSystem::Instance(), quests) << "a copy thrown away takes nothing with it";
    EXPECT_EQ(QuestStageSource::Current(), quests);
}
