// Level statistics and the systems' process-wide pointers: spawn buttons
// follow the money, waiting times, and a level's customer and economy
// systems written to a scene and read back unchanged.
#include <filesystem>
#include <memory>

#include "Core/Input/Input.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Economy/PricedButton.h"
#include "Game/CustomerWorld.h"
#include "Objects/TestWorld.h"
#include "Platform/Fake/FakePlatform.h"

using namespace KiteTest;

namespace
{
    struct Button : PricedButton
    {
        float cost = 0.0f;
        GameObject* object = nullptr;
        float GetCost() const override { return cost; }
        GameObject* GetButtonObject() const override { return object; }
    };

    class Economy : public CustomerWorld
    {
    protected:
        void SetUp() override
        {
            CustomerWorld::SetUp();
            Systems();
        }

        std::unique_ptr<Button> PricedAt(float cost, ActivatePopupButton*& popup)
        {
            auto b = std::make_unique<Button>();
            b->cost = cost;
            b->object = Make("BuildButton");
            popup = new ActivatePopupButton();
            b->object->AddComponent(popup);
            popup->SetButtonActive(false);
            stats->AddSpawnButton(b.get());
            return b;
        }
    };
}

TEST_F(Economy, SpawnButtonsFollowTheMoney)
{
    ActivatePopupButton *equal = nullptr, *above = nullptr, *free = nullptr;
    auto atMoney = PricedAt(100.0f, equal);
    auto dearer = PricedAt(100.01f, above);
    auto nothing = PricedAt(0.0f, free);
    stats->SetMoney(100.0f);
    stats->UpdateSpawnButtons();
    EXPECT_TRUE(equal->GetButtonActive());
    EXPECT_FALSE(above->GetButtonActive());
    EXPECT_TRUE(free->GetButtonActive());

    stats->ChangeMoney(1.0f);
    EXPECT_TRUE(above->GetButtonActive());

    stats->SetMoney(-5.0f);
    EXPECT_FALSE(equal->GetButtonActive());
    EXPECT_FALSE(above->GetButtonActive());
    // Any cost above the money, even nothing above a debt, is out of reach.
    EXPECT_FALSE(free->GetButtonActive());

    // A button that is gone is no longer switched.
    stats->RemoveSpawnButton(nothing.get());
    nothing.reset();
    EXPECT_EQ(stats->GetSpawnButtonCount(), 2u);
    stats->SetMoney(1000.0f);
    EXPECT_TRUE(above->GetButtonActive());
}

TEST_F(Economy, CopyKeepsTheValuesAndTheButtons)
{
    ActivatePopupButton* popup = nullptr;
    auto b = PricedAt(10.0f, popup);
    stats->SetMoney(321.0f);
    stats->MostPopular = "Stall 2";
    std::unique_ptr<GameComponent> copy(stats->Clone());
    auto* copied = static_cast<LevelStatsSystem*>(copy.get());
    EXPECT_EQ(LevelStatsSystem::Instance(), copied);
    EXPECT_FLOAT_EQ(copied->Money(), 321.0f);
    EXPECT_EQ(copied->MostPopular, "Stall 2");
    // The copy switches the same buttons.
    EXPECT_EQ(copied->GetSpawnButtonCount(), 1u);
    copied->SetMoney(5.0f);
    EXPECT_FALSE(popup->GetButtonActive());
    copy.reset();
    EXPECT_EQ(LevelStatsSystem::Instance(), nullptr);
}

TEST_F(Economy, AverageWaitingTimeNeedsAServedCustomer)
{
    stats->AddServedWait(4.0f);
    EXPECT_FLOAT_EQ(stats->TotalWaitingTime, 4.0f);
    EXPECT_FLOAT_EQ(stats->AverageWaitingTime, 0.0f);
    stats->CustomerServed = 2;
    stats->AddServedWait(2.0f);
    EXPECT_FLOAT_EQ(stats->AverageWaitingTime, 3.0f);
}

TEST_F(Economy, DestroyedSystemClearsOnlyItsOwnPointer)
{
    {
        // The older system goes: the newer stays the level's system.
        auto old = std::make_unique<CustomerSystem>();
        auto newer = std::make_unique<CustomerSystem>();
        old.reset();
        EXPECT_EQ(CustomerSystem::Instance(), newer.get());
    }
    EXPECT_EQ(CustomerSystem::Instance(), nullptr);
    {
        auto old = std::make_unique<SimulationSystem>();
        auto newer = std::make_unique<SimulationSystem>();
        old.reset();
        EXPECT_EQ(SimulationSystem::Instance(), newer.get());
    }
    {
        auto old = std::make_unique<SpawnRateManager>();
        auto newer = std::make_unique<SpawnRateManager>();
        old.reset();
        EXPECT_EQ(SpawnRateManager::Instance(), newer.get());
    }
    {
        auto old = std::make_unique<LevelStatsSystem>();
        auto newer = std::make_unique<LevelStatsSystem>();
        old.reset();
        EXPECT_EQ(LevelStatsSystem::Instance(), newer.get());
    }
}

TEST_F(Economy, LevelSystemsAreWrittenBackUnchanged)
{
    stats->SetMoney(1234.5f);
    stats->Likes = -3.25f;
    stats->MostWanted = "Stall 4";
    customers->customerSprites = {{{"Customers/A_Queue.png", "Customers/A_Queue.png"},
                                   {"Customers/A_Walk.png", "Customers/A_Walk.png"}},
                                  {{"Customers/B_Queue.png", ""}}};
    customers->customerSpriteCols_ = {2, 4, 4, 4, 4};
    customers->randomDisplacementRange = Vector2D(12.5f, 7.0f);
    customers->preferenceAllowed = true;
    customers->fightLocationOffset = Vector2D(30.0f, 10.0f);
    rate->likesRepWeightage = 0.7f;
    rate->minLevel = -3;
    simulation->treshold = 0.35f;
    simulation->loseMoney = -200;
    CustomerArchetype();
    GameObject* person = Instantiate("Customer01", Vector2D(10.0f, 20.0f), 0.0f);
    ASSERT_NE(person, nullptr);

    namespace fs = std::filesystem;
    ASSERT_TRUE(factory->SerialiseLevel("RoundTrip"));
    scenes->LoadLevel("RoundTrip");
    scenes->Update();
    ASSERT_NE(CustomerSystem::Instance(), nullptr);
    EXPECT_EQ(CustomerSystem::Instance()->customerSprites.size(), 2u);
    EXPECT_FLOAT_EQ(LevelStatsSystem::Instance()->Money(), 1234.5f);
    EXPECT_EQ(LevelStatsSystem::Instance()->MostWanted, "Stall 4");
    ASSERT_TRUE(factory->SerialiseLevel("RoundTrip"));

    // Written a second time from what was read: every file is the same.
    const fs::path first = root / "Assets" / "Scenes" / "RoundTrip";
    ASSERT_TRUE(factory->SerialiseLevel("RoundTripAgain"));
    const fs::path again = root / "Assets" / "Scenes" / "RoundTripAgain";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(first))
    {
        ++files;
        EXPECT_EQ(ReadFile(entry.path().string()), ReadFile((again / entry.path().filename()).string()))
            << entry.path().filename();
    }
    EXPECT_GE(files, 2);
}

TEST_F(Economy, StatisticsWithoutMostPopularKeepNone)
{
    // An older level file stops after the reputation.
    XMLDocument doc;
    ASSERT_EQ(doc.Parse("<LevelStatsSystem><CustomerServed>3</CustomerServed><AverageWaitingTime>1</AverageWaitingTime>"
                        "<TotalWaitingTime>3</TotalWaitingTime><GrossRevenue>30</GrossRevenue>"
                        "<DailyUpkeep>5</DailyUpkeep><Likes>7</Likes><Money>250</Money>"
                        "<Reputation>9</Reputation></LevelStatsSystem>"),
              tinyxml2::XML_SUCCESS);
    LevelStatsSystem read;
    read.XMLUnSerialise(doc.RootElement()->FirstChildElement());
    EXPECT_EQ(read.CustomerServed, 3);
    EXPECT_FLOAT_EQ(read.Money(), 250.0f);
    EXPECT_EQ(read.MostPopular, "None");
    EXPECT_EQ(read.MostWanted, "None");
}

TEST_F(Economy, EqualsKeyAddsFiveHundredAndRefreshesTheButtons)
{
    Platform::FakePlatform fake;
    Platform::Install(&fake);
    engine->AddSystem(new Input());
    stats->GetOwner()->Initialise();
    ActivatePopupButton* popup = nullptr;
    auto dear = PricedAt(550.0f, popup);
    stats->SetMoney(100.0f);
    fake.SetKeyDown(187, true);
    Step();
    EXPECT_FLOAT_EQ(stats->Money(), 100.0f);
    fake.SetKeyDown(187, false);
    Step();
    EXPECT_FLOAT_EQ(stats->Money(), 600.0f);
    EXPECT_TRUE(popup->GetButtonActive());
    Step(3);
    EXPECT_FLOAT_EQ(stats->Money(), 600.0f);
    stats->RemoveSpawnButton(dear.get());
    Platform::Install(nullptr);
}
