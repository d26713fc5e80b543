// The committed Level1 played headless for two minutes of game time and at
// four times the speed: customers come in, queue at both stalls, are
// served, sit, and the count stays true to the customers alive.
#include <filesystem>
#include <iostream>
#include <set>

#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Core/Physics/Collider2D.h"
#include "Economy/LevelStatsSystem.h"
#include "Game/GameTestWorld.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FireResolver.h"

using namespace KiteTest;

namespace
{
    class Level1Run : public GameWorld
    {
    protected:
        void SetUp() override
        {
            GameWorld::SetUp();
            LoadShippedScene("Level1");
            ASSERT_NE(CustomerSystem::Instance(), nullptr);
            ASSERT_NE(LevelStatsSystem::Instance(), nullptr);
            ASSERT_NE(StallsSystem::Instance(), nullptr);
        }
    };
}

TEST_F(Level1Run, TwoMinutesBringCustomersToBothStallsAndTheTables)
{
    ASSERT_GE(StallsSystem::Instance()->GetStallCount(), 2u);
    const float startMoney = LevelStatsSystem::Instance()->Money();
    std::set<const StallsBehaviour*> queuedAt;
    bool someoneSat = false;
    std::size_t most = 0;
    for (int frame = 0; frame < 120 * 60; ++frame)
    {
        Step();
        for (StallsBehaviour* s : StallsSystem::Instance()->GetStalls())
            if (s->GetQueueLength() > 0)
                queuedAt.insert(s);
        for (SeatsBehaviour* seat : SeatsSystem::Instance()->GetSeats())
            for (int p = 0; p < 4; ++p)
                if (GameObject* o = seat->GetOccupant(p))
                    if (CustomerAIBehaviour* c = o->GetComponent<CustomerAIBehaviour>())
                        someoneSat = someoneSat || c->GetPose() == CustomerAIBehaviour::PoseSeated;
        most = std::max(most, LiveCustomers());
        ASSERT_EQ(static_cast<std::size_t>(CustomerSystem::Instance()->count), LiveCustomers()) << frame;
    }
    const LevelStatsSystem* stats = LevelStatsSystem::Instance();
    std::cout << "Level1 after 120 s: served " << stats->CustomerServed << ", money " << stats->Money() << ", likes "
              << stats->Likes << ", most customers at once " << most << std::endl;
    EXPECT_GE(queuedAt.size(), 2u);
    EXPECT_TRUE(someoneSat);
    EXPECT_GT(stats->CustomerServed, 3);
    EXPECT_GT(stats->Money(), startMoney);
    EXPECT_GT(most, 3u);
    EXPECT_LE(most, static_cast<std::size_t>(CustomerSystem::Instance()->cap) + 1);
}

TEST_F(Level1Run, TenMinutesAtFourTimesWithNobodyClearingTrashKeepServing)
{
    engine->SetTimeFactor(4.0f);
    bool sawTrashBubble = false;
    int servedTwoMinutesBeforeEnd = -1;
    std::size_t most = 0;
    const int frames = 10 * 60 * 60;
    for (int frame = 0; frame < frames; frame += 60)
    {
        for (int i = 0; i < 60; i += 6)
        {
            Step(6);
            for (CustomerAIBehaviour* c : CustomerSystem::Instance()->GetCustomers())
                sawTrashBubble = sawTrashBubble || c->GetBubbleKind() == CustomerAIBehaviour::BubbleTrash;
        }
        // Unattended fires would close both stalls for good: someone puts
        // them out, as a player does. Nobody bins the trash.
        for (const auto& entry : factory->GetObjects())
            if (FireResolver* fire = entry.second->GetComponent<FireResolver>())
                fire->PutOut();
        ASSERT_EQ(static_cast<std::size_t>(CustomerSystem::Instance()->count), LiveCustomers()) << frame;
        ASSERT_LE(factory->GetObjects().size(), 2000u) << frame;
        most = std::max(most, LiveCustomers());
        if (frame + 60 == frames - 2 * 60 * 60 / 4)
            servedTwoMinutesBeforeEnd = LevelStatsSystem::Instance()->CustomerServed;
    }
    const int served = LevelStatsSystem::Instance()->CustomerServed;
    std::cout << "Level1 after 10 min at 4x, trash left lying: served " << served << " (" << servedTwoMinutesBeforeEnd
              << " two game minutes before), most customers at once " << most << ", cap "
              << CustomerSystem::Instance()->cap << ", objects " << factory->GetObjects().size() << std::endl;
    EXPECT_GT(served, 20);
    // Seat-seekers see the trash and give up rather than piling up at the
    // cap: the court keeps serving to the end.
    EXPECT_TRUE(sawTrashBubble);
    ASSERT_GE(servedTwoMinutesBeforeEnd, 0);
    EXPECT_GT(served, servedTwoMinutesBeforeEnd);
    EXPECT_LT(CustomerSystem::Instance()->count, CustomerSystem::Instance()->cap);
}
