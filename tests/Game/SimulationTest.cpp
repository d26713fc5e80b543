// The simulation: the spawning clock against daylight and time factor, the
// likes and money texts, and winning and losing.
#include <cmath>

#include "Core/Factory/GameObjectFactory.h"
#include "Economy/DaylightSource.h"
#include "Economy/QuestStageSource.h"
#include "Economy/LevelFlags.h"
#include "Game/CustomerWorld.h"

using namespace KiteTest;

namespace
{
    struct FixedDaylight : DaylightSource
    {
        float value = 1.0f;
        float GetDaylight() const override { return value; }
    };

    struct FixedStage : QuestStageSource
    {
        int stage = 0;
        int GetStage() const override { return stage; }
    };

    class Simulation : public CustomerWorld
    {
    protected:
        void SetUp() override
        {
            CustomerWorld::SetUp();
            Entrances();
            // Customers that never arrive anywhere: the count only rises.
            CustomerArchetype(1, Vector2D(0.0f, 0.0f));
            systems = Systems();
            simulation->treshold = 0.2f;
            simulation->minimumSpawnTime = 1.0f;
            rate->startCustomerCap = 1000;
            customers->cap = 1000;
        }

        void AddTexts()
        {
            for (const char* name : {"LikesText", "MoneyText", "MaintenanceCostText"})
                Make(name)->AddComponent(CT_Text);
        }

        std::string TextOf(const char* name)
        {
            GameObject* o = factory->FindObjByName(name);
            Text* t = o ? o->GetComponent<Text>() : nullptr;
            return t ? *t->GetText() : "<none>";
        }

        GameObject* systems = nullptr;
        FixedDaylight daylight;
    };
}

TEST_F(Simulation, ClockSpawnsWhenBelowZeroAndResetsByDaylight)
{
    systems->Initialise();
    EXPECT_FLOAT_EQ(simulation->GetSpawnCountdown(), 1.0f);
    daylight.value = 0.5f;
    simulation->SetSpawnCountdown(-0.01f);
    Step();
    EXPECT_EQ(customers->count, 1);
    EXPECT_FLOAT_EQ(simulation->GetSpawnCountdown(), 2.0f);

    // One fixed step per frame, times the time factor.
    Step();
    EXPECT_NEAR(simulation->GetSpawnCountdown(), 2.0f - 1.0f / 60.0f, 1e-5f);
    engine->SetTimeFactor(4.0f);
    Step();
    EXPECT_NEAR(simulation->GetSpawnCountdown(), 2.0f - 5.0f / 60.0f, 1e-5f);
    engine->SetTimeFactor(0.0f);
    Step(10);
    EXPECT_NEAR(simulation->GetSpawnCountdown(), 2.0f - 5.0f / 60.0f, 1e-5f);
    EXPECT_EQ(customers->count, 1);
}

TEST_F(Simulation, FullDaylightSpawnsEveryMinimumSpawnTime)
{
    systems->Initialise();
    // 10 seconds at 1 s: a customer a second, give or take the frame that
    // finds the clock below zero.
    Step(600);
    EXPECT_GE(customers->count, 9);
    EXPECT_LE(customers->count, 10);
    const int atOne = customers->count;
    engine->SetTimeFactor(4.0f);
    Step(600);
    // Each spawn costs the frame that finds the clock below zero.
    EXPECT_GE(customers->count - atOne, 34);
    EXPECT_LE(customers->count - atOne, 40);
}

TEST_F(Simulation, ClockStandsStillBelowTheThreshold)
{
    systems->Initialise();
    daylight.value = 0.1f;
    simulation->SetSpawnCountdown(-0.5f);
    Step(100);
    EXPECT_EQ(customers->count, 0);
    EXPECT_FLOAT_EQ(simulation->GetSpawnCountdown(), -0.5f);
}

TEST_F(Simulation, NightAtZeroThresholdNeverMakesTheClockInfinite)
{
    systems->Initialise();
    simulation->treshold = 0.0f;
    daylight.value = 0.0f;
    simulation->SetSpawnCountdown(-0.5f);
    Step(10);
    EXPECT_TRUE(std::isfinite(simulation->GetSpawnCountdown()));
    EXPECT_EQ(customers->count, 0);
    // Light returns: spawning goes on at once.
    daylight.value = 1.0f;
    Step();
    EXPECT_EQ(customers->count, 1);
    EXPECT_FLOAT_EQ(simulation->GetSpawnCountdown(), 1.0f);
}

TEST_F(Simulation, LossComesBelowLoseMoneyButNotAtIt)
{
    AddTexts();
    systems->Initialise();
    simulation->loseMoney = 50;
    stats->SetMoney(50.0f);
    Step();
    EXPECT_EQ(simulation->endState, SimulationSystem::Running);
    EXPECT_FLOAT_EQ(engine->GetTimeFactor(), 1.0f);

    stats->SetMoney(49.99f);
    simulation->SetSpawnCountdown(-1.0f);
    Step();
    EXPECT_EQ(simulation->endState, SimulationSystem::Lost);
    EXPECT_FLOAT_EQ(engine->GetTimeFactor(), 0.0f);
    // The losing frame still updates the texts and may still spawn.
    EXPECT_EQ(TextOf("MoneyText"), "49");
    EXPECT_EQ(customers->count, 1);

    // From then on nothing happens, even with the money back.
    stats->SetMoney(1000.0f);
    simulation->SetSpawnCountdown(-1.0f);
    engine->SetTimeFactor(1.0f);
    Step(5);
    EXPECT_EQ(simulation->endState, SimulationSystem::Lost);
    EXPECT_EQ(TextOf("MoneyText"), "49");
    EXPECT_EQ(customers->count, 1);
}

TEST_F(Simulation, WinBeatsLossInTheSameFrame)
{
    systems->Initialise();
    FixedStage quests;
    quests.stage = 3;
    simulation->loseMoney = 50;
    stats->SetMoney(-500.0f);
    Step();
    EXPECT_TRUE(simulation->HasEnded());
    EXPECT_EQ(simulation->endState, SimulationSystem::Running);
    EXPECT_FLOAT_EQ(engine->GetTimeFactor(), 0.1f);
    // Won: no more tests, so the money no longer loses.
    quests.stage = 0;
    Step(3);
    EXPECT_EQ(simulation->endState, SimulationSystem::Running);
}

namespace
{
    // A level saved under a scene name and loaded back, with a summary's
    // next button among its objects.
    class SimulationScene : public Simulation
    {
    protected:
        void LoadAs(const std::string& scene)
        {
            GameObject* next = Make("NextButton");
            next->AddComponent(CT_SystemCallButton);
            next->AddComponent(CT_Text);
            SimpleArchetype("WinSummary");
            SimpleArchetype("LoseSummary");
            ASSERT_TRUE(factory->SerialiseLevel(scene));
            scenes->LoadLevel(scene);
            scenes->Update();
            ASSERT_EQ(SceneName(), scene);
            simulation = SimulationSystem::Instance();
            stats = LevelStatsSystem::Instance();
            ASSERT_NE(simulation, nullptr);
            ASSERT_NE(stats, nullptr);
        }

        SystemCallButton* Next()
        {
            GameObject* o = factory->FindObjByName("NextButton");
            return o ? o->GetComponent<SystemCallButton>() : nullptr;
        }
    };
}

TEST_F(SimulationScene, WinningLevel1UnlocksLevel2)
{
    LoadAs("Level1");
    FixedStage quests;
    quests.stage = 3;
    GetLevelFlags() = {false, false, false};
    Step();
    EXPECT_TRUE(GetLevelFlags()[1]);
    EXPECT_EQ(Next()->GetFnStrParam(), "Level2");
}

TEST_F(SimulationScene, WinningLevel3GoesToTheMenuCompleted)
{
    LoadAs("Level3");
    FixedStage quests;
    quests.stage = 3;
    GetLevelFlags() = {false, false, false};
    Step();
    EXPECT_EQ(GetLevelFlags(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(Next()->GetFnStrParam(), "MainMenu");
    EXPECT_EQ(*factory->FindObjByName("NextButton")->GetComponent<Text>()->GetText(), "Completed!");
}

TEST_F(SimulationScene, LosingOffersARetryOfTheSameScene)
{
    LoadAs("Level2");
    simulation->loseMoney = 0;
    stats->SetMoney(-1.0f);
    Step();
    EXPECT_EQ(Next()->GetFnStrParam(), "Level2");
    EXPECT_EQ(*factory->FindObjByName("NextButton")->GetComponent<Text>()->GetText(), "Retry");
}
