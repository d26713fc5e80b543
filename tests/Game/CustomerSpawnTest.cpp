// Spawning against the cap, which archetypes are drawn, and the standing
// ladder that turns likes and reputation into cap and spawn time.
#include "Game/CustomerWorld.h"

using namespace KiteTest;

namespace
{
    class Spawning : public CustomerWorld
    {
    protected:
        void SetUp() override
        {
            CustomerWorld::SetUp();
            Systems();
        }
    };
}

TEST_F(Spawning, CapAllowsOneCustomerBeyondIt)
{
    CustomerArchetype();
    customers->cap = 3;
    for (int i = 0; i < 3; ++i)
        customers->SpawnCustomer();
    EXPECT_EQ(customers->count, 3);
    customers->SpawnCustomer();
    EXPECT_EQ(customers->count, 4);
    customers->SpawnCustomer();
    EXPECT_EQ(customers->count, 4);
    EXPECT_EQ(LiveCustomers(), 4u);
    EXPECT_EQ(customers->GetCustomerCount(), 4u);

    // No customer archetypes: nobody at all.
    customers->numArcheCreated = 0;
    customers->cap = 100;
    customers->SpawnCustomer();
    EXPECT_EQ(customers->count, 4);
}

TEST_F(Spawning, OnlyInstantiatedCustomersAreCounted)
{
    // Customer01 exists, Customer02 does not: half the draws make nobody.
    CustomerArchetype(1);
    customers->numArcheCreated = 2;
    customers->cap = 100;
    for (int i = 0; i < 40; ++i)
        customers->SpawnCustomer();
    EXPECT_EQ(static_cast<std::size_t>(customers->count), LiveCustomers());
    EXPECT_GT(customers->count, 0);
    EXPECT_LT(customers->count, 40);

    // An archetype without the customer script makes no customer either.
    SimpleArchetype("Customer03");
    customers->numArcheCreated = 3;
    const int before = customers->count;
    for (int i = 0; i < 30; ++i)
        customers->SpawnCustomer();
    factory->Update();
    EXPECT_EQ(static_cast<std::size_t>(customers->count), LiveCustomers());
    EXPECT_GT(customers->count, before);
}

TEST_F(Spawning, LeavingCustomerLowersTheCountOnce)
{
    Entrances();
    CustomerArchetype();
    customers->cap = 5;
    customers->SpawnCustomer();
    ASSERT_EQ(customers->count, 1);
    // No stall is placed: the customer comes in and goes out again.
    ASSERT_TRUE(StepUntil([&] { return LiveCustomers() == 0; }, 60 * 60));
    EXPECT_EQ(customers->count, 0);
    EXPECT_EQ(customers->GetCustomerCount(), 0u);
    Step(5);
    EXPECT_EQ(customers->count, 0);
}

TEST_F(Spawning, EmptyGraphCustomerLeavesAndIsForgotten)
{
    CustomerArchetype();
    customers->cap = 5;
    customers->SpawnCustomer();
    Step(3);
    EXPECT_EQ(LiveCustomers(), 0u);
    EXPECT_EQ(customers->count, 0);
}

namespace
{
    class Standing : public Spawning
    {
    protected:
        void SetUp() override
        {
            Spawning::SetUp();
            rate->likesRepWeightage = 0.5f;
            rate->rateModifierRate = 10.0f;
            rate->spawnTimeStep = 0.5f;
            rate->customerCapStep = 2;
            rate->startingLevel = 1;
            rate->minLevel = 0;
            rate->maxLevel = 5;
            rate->startCustomerCap = 4;
            rate->startMinSpawnTime = 5.0f;
            rate->Initialise();
        }
    };
}

TEST_F(Standing, StartValuesComeFromTheManager)
{
    EXPECT_EQ(customers->cap, 4);
    EXPECT_FLOAT_EQ(simulation->minimumSpawnTime, 5.0f);
    EXPECT_EQ(rate->GetCurrentLevel(), 0);
}

TEST_F(Standing, LevelsMoveCapAndSpawnTime)
{
    // Standing 10 is level 1, the starting level: applied all the same,
    // since the current level starts at 0.
    customers->cap = 99;
    customers->UpdateStanding(20.0f);
    EXPECT_FLOAT_EQ(stats->Likes, 20.0f);
    EXPECT_EQ(rate->GetCurrentLevel(), 1);
    EXPECT_EQ(customers->cap, 4);
    EXPECT_FLOAT_EQ(simulation->minimumSpawnTime, 5.0f);

    customers->UpdateStanding(20.0f);  // standing 20: level 2
    EXPECT_EQ(customers->cap, 6);
    EXPECT_FLOAT_EQ(simulation->minimumSpawnTime, 4.5f);

    // Reputation weighs 1 - w: 0.5 * 40 + 0.5 * 40 = 40, level 4.
    stats->Reputation = 40.0f;
    customers->RecomputeStandingLevel();
    EXPECT_EQ(customers->cap, 10);
    EXPECT_FLOAT_EQ(simulation->minimumSpawnTime, 3.5f);

    customers->UpdateStanding(-80.0f);  // likes -40: standing 0, level 0
    EXPECT_EQ(customers->cap, 2);
    EXPECT_FLOAT_EQ(simulation->minimumSpawnTime, 5.5f);
    EXPECT_EQ(rate->GetCurrentLevel(), 0);
}

TEST_F(Standing, LevelsOutsideTheBoundsChangeNothing)
{
    customers->UpdateStanding(40.0f);  // level 2
    ASSERT_EQ(customers->cap, 6);
    customers->UpdateStanding(100.0f);  // standing 70: level 7 > 5
    EXPECT_EQ(customers->cap, 6);
    EXPECT_FLOAT_EQ(simulation->minimumSpawnTime, 4.5f);
    EXPECT_EQ(rate->GetCurrentLevel(), 2);
    customers->UpdateStanding(-170.0f);  // standing -15: level -1 < 0
    EXPECT_EQ(customers->cap, 6);
    EXPECT_EQ(rate->GetCurrentLevel(), 2);
}

TEST_F(Standing, ZeroRateOrHugeStandingKeepsTheLevel)
{
    customers->UpdateStanding(40.0f);
    rate->rateModifierRate = 0.0f;
    customers->UpdateStanding(10.0f);
    EXPECT_EQ(rate->GetCurrentLevel(), 2);
    EXPECT_EQ(customers->cap, 6);
    rate->rateModifierRate = 1e-30f;
    customers->UpdateStanding(1e30f);
    EXPECT_EQ(rate->GetCurrentLevel(), 2);
}

TEST_F(Standing, RandomOffsetStaysInItsRangeAndZeroRangeGivesZero)
{
    customers->randomDisplacementRange = Vector2D(0.0f, 0.0f);
    const Vector2D none = customers->RandomOffset();
    EXPECT_EQ(none.x, 0.0f);
    EXPECT_EQ(none.y, 0.0f);
    customers->randomDisplacementRange = Vector2D(20.0f, 7.5f);
    for (int i = 0; i < 200; ++i)
    {
        const Vector2D o = customers->RandomOffset();
        EXPECT_GE(o.x, 0.0f);
        EXPECT_LT(o.x, 20.0f);
        EXPECT_GE(o.y, 0.0f);
        EXPECT_LT(o.y, 7.5f);
    }
}

namespace
{
    // A level file that lacks every game system.
    using NoSystems = CustomerWorld;
}

TEST_F(NoSystems, CustomerWithoutAnySystemLeavesQuietly)
{
    Entrances();
    CustomerArchetype();
    GameObject* o = Instantiate("Customer01", Vector2D(0.0f, 0.0f), 0.0f);
    ASSERT_NE(o, nullptr);
    ObjectHandle handle(o);
    CustomerAIBehaviour* c = o->GetComponent<CustomerAIBehaviour>();
    c->LoseHeart();
    c->ReactToFire(-3.0f, 2.0f);
    c->ShowBubble(CustomerAIBehaviour::BubbleLike, true);
    EXPECT_TRUE(StepUntil([&] { return !handle; }, 60 * 60));
}
