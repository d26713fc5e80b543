// Customers in a small food court with a real stall and table: they come
// in, queue, are served, pay, sit, leave; waiting customers lose likes and
// give up; closed stalls and thin graphs send them home.
#include "Core/Graphics/Sprite.h"
#include "Game/CustomerTestAccess.h"
#include "Game/StallWorld.h"

using namespace KiteTest;
using Access = KiteFramework::CustomerTestAccess;

namespace
{
    // startA - o1 - os1 - o2 - startB; the stall's link node hangs off os1
    // and the table's four places off o2.
    class Court : public StallWorld
    {
    protected:
        void SetUp() override
        {
            StallWorld::SetUp();
            CustomerArchetype(1, Vector2D(300.0f, 0.0f));
            LevelSystems();
            customers->cap = 20;
            customers->noQueuefCountoutMin = 3;
            startA = Node("startA", -600.0f, 0.0f);
            o1 = Node("o1", -300.0f, 0.0f);
            os1 = Node("os1", 0.0f, 0.0f);
            o2 = Node("o2", 300.0f, 0.0f);
            startB = Node("startB", 600.0f, 0.0f);
            Link(startA, o1);
            Link(o1, os1);
            Link(os1, o2);
            Link(o2, startB);
        }

        StallsBehaviour* PlaceStall(bool open = true)
        {
            StallPlacementNode* node = StallNode("StallNode1", 0.0f, 200.0f);
            node->nodesToBeConnected = {"os1", "os1"};
            StallsBehaviour* s = StoredStall(1, node);
            s->CreateStallLinkNode(node);
            s->operational = open;
            return s;
        }

        SeatsBehaviour* PlaceTable()
        {
            GameObject* nodeObject = Make("SeatNode1", 300.0f, -200.0f);
            nodeObject->AddComponent(CT_Sprite);
            auto* node = Add<SeatPlacementNode>(nodeObject, CT_SeatPlacementNode);
            node->nodesToBeConnected = {"o2", "o2", "o2", "o2"};
            GameObject* o = Make("Seat1", 300.0f, -200.0f);
            o->AddComponent(CT_Sprite);
            auto* seat = Add<SeatsBehaviour>(o, CT_SeatsBehaviour);
            o->AddParent(nodeObject);
            o->Initialise();
            seat->CreateSeatLinkNodes(node);
            return seat;
        }

        CustomerAIBehaviour* Spawn()
        {
            customers->SpawnCustomer();
            return customers->GetCustomers().back();
        }

        // A stall that never finishes serving, and a first customer stepped
        // until it is being served there (holding the queue's front).
        CustomerAIBehaviour* FirstAtBusyStall(StallsBehaviour* stall)
        {
            stall->serveTime = 1000.0f;
            CustomerAIBehaviour* first = Spawn();
            EXPECT_TRUE(StepUntil([&] { return first->GetState() == CustomerAIBehaviour::TimedWait; }, 60 * 30));
            return first;
        }

        VertexNode *startA = nullptr, *o1 = nullptr, *os1 = nullptr, *o2 = nullptr, *startB = nullptr;
    };
}

TEST_F(Court, TakeAwayCustomerQueuesPaysAndLeaves)
{
    StallsBehaviour* stall = PlaceStall();
    customers->tabaoChance = 100.0f;
    CustomerAIBehaviour* c = Spawn();
    ObjectHandle handle(c->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return stall->GetQueueLength() == 1; }, 60 * 30));
    EXPECT_TRUE(c->IsQueueing());
    ASSERT_TRUE(StepUntil([&] { return stats->CustomerServed == 1; }, 60 * 30));
    EXPECT_FLOAT_EQ(stats->Money(), 110.0f);
    EXPECT_FLOAT_EQ(stats->GrossRevenue, 10.0f);
    EXPECT_FLOAT_EQ(stats->Reputation, 20.0f);
    // Likes 10 plus the stall's 5, given to the player once.
    EXPECT_FLOAT_EQ(stats->Likes, 15.0f);
    EXPECT_EQ(NewestText("HeartMoving"), "15");
    EXPECT_EQ(NewestText("CashMoving"), "10");
    EXPECT_EQ(stall->GetQueueLength(), 0u);
    EXPECT_FALSE(stall->busy_);
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 30));
    EXPECT_EQ(customers->count, 0);
    EXPECT_FLOAT_EQ(stats->Likes, 15.0f);
    EXPECT_EQ(stats->CustomerServed, 1);
}

TEST_F(Court, EatingCustomerTakesAPlaceAndFreesItWhenLeaving)
{
    PlaceStall();
    SeatsBehaviour* table = PlaceTable();
    customers->tabaoChance = 0.0f;
    CustomerAIBehaviour* c = Spawn();
    ObjectHandle handle(c->GetOwner());
    auto seated = [&] {
        for (int p = 0; p < 4; ++p)
            if (table->GetOccupant(p) == handle.Get())
                return true;
        return false;
    };
    ASSERT_TRUE(StepUntil(seated, 60 * 60));
    ASSERT_TRUE(StepUntil([&] { return c->GetState() == CustomerAIBehaviour::TimedWait &&
                                       c->GetPose() == CustomerAIBehaviour::PoseSeated; }, 60 * 30));
    EXPECT_EQ(c->GetSeatLink()->GetSeat(), table);
    ASSERT_TRUE(StepUntil([&] { return !seated(); }, 60 * 30));
    EXPECT_TRUE(handle);  // leaving, not gone
    EXPECT_FLOAT_EQ(stats->Likes, 15.0f);
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 30));
    EXPECT_EQ(customers->count, 0);
}

TEST_F(Court, NoTableMeansNoSeatBubbleAndLeaving)
{
    PlaceStall();
    customers->tabaoChance = 0.0f;
    CustomerAIBehaviour* c = Spawn();
    ASSERT_TRUE(StepUntil([&] { return stats->CustomerServed == 1; }, 60 * 30));
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleNoSeats);
    EXPECT_EQ(c->GetPose(), CustomerAIBehaviour::PoseLeaving);
    EXPECT_EQ(c->GetNextState(), CustomerAIBehaviour::Leaving);
}

TEST_F(Court, TrashOnEveryPlaceShowsTheTrashBubbleAndWearsPatienceOut)
{
    PlaceStall();
    SeatsBehaviour* table = PlaceTable();
    for (int p = 0; p < SeatsBehaviour::PlaceCount; ++p)
        table->SetOccupant(p, Make("Trash")->AddComponent(CT_Trash)->GetOwner());
    customers->tabaoChance = 0.0f;
    CustomerAIBehaviour* c = Spawn();
    c->likesMin = -2.0f;
    ObjectHandle handle(c->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return c->IsSearchingForSeat(); }, 60 * 60));
    const float likesBefore = stats->Likes;
    // Four pieces at the first look: more than two seen.
    ASSERT_TRUE(StepUntil([&] { return c->GetBubbleKind() == CustomerAIBehaviour::BubbleTrash; }, 60 * 30));
    const float likesAtTrash = c->GetLikes();
    // Patience wears out while it searches, until it gives up below its floor.
    ASSERT_TRUE(StepUntil([&] { return !c->IsSearchingForSeat(); }, 60 * 120));
    EXPECT_LT(c->GetLikes(), likesAtTrash);
    EXPECT_LT(c->GetLikes(), c->likesMin);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleDislike);
    EXPECT_FLOAT_EQ(stats->Likes, likesBefore + c->likesMin);
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 30));
    EXPECT_EQ(customers->count, 0);
    for (int p = 0; p < SeatsBehaviour::PlaceCount; ++p)
        EXPECT_NE(table->GetOccupant(p), nullptr) << p;
}

TEST_F(Court, ZeroMaximaForLookingAroundAndShortQueuesDrawNothingExtra)
{
    // A level may give no spread: the draws add nothing, and divide by nothing.
    StallsBehaviour* stall = PlaceStall();
    customers->tabaoChance = 100.0f;
    customers->lookAroundfCountoutMin = 1;
    customers->lookAroundfCountoutMax = 0;
    customers->noQueuefCountoutMin = 3;
    customers->noQueuefCountoutMax = 0;
    CustomerAIBehaviour* c = Spawn();
    Step();
    EXPECT_EQ(Access::LookAroundsLeft(*c), 1);
    ASSERT_TRUE(StepUntil([&] { return stall->GetQueueLength() == 1; }, 60 * 30));
    ASSERT_TRUE(StepUntil([&] { return stats->CustomerServed == 1; }, 60 * 30));
}

TEST_F(Court, DespawnFreesTheSeatPlace)
{
    PlaceStall();
    SeatsBehaviour* table = PlaceTable();
    customers->tabaoChance = 0.0f;
    CustomerAIBehaviour* c = Spawn();
    ObjectHandle handle(c->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return c->GetSeatLink() != nullptr; }, 60 * 60));
    const int place = c->GetSeatLink()->GetSeatIndex();
    ASSERT_EQ(table->GetOccupant(place), handle.Get());
    c->Despawn();
    EXPECT_EQ(table->GetOccupant(place), nullptr);
    EXPECT_EQ(customers->count, 0);
    c->Despawn();
    EXPECT_EQ(customers->count, 0);
}

TEST_F(Court, WaitingCustomerLosesLikesAndGivesUpAtTheFloor)
{
    StallsBehaviour* stall = PlaceStall();
    customers->tabaoChance = 100.0f;
    CustomerAIBehaviour* first = FirstAtBusyStall(stall);
    ASSERT_FALSE(HasFailure());
    CustomerAIBehaviour* second = Spawn();
    second->likesMin = -2.0f;
    second->startOffLikes = 5.0f;
    ObjectHandle handle(second->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return second->IsQueueing(); }, 60 * 30));
    const float likesBefore = stats->Likes;
    ASSERT_TRUE(StepUntil([&] { return second->GetLikes() <= 3.0f; }, 60 * 30));
    EXPECT_FLOAT_EQ(second->GetLikes(), 3.0f);
    EXPECT_EQ(second->GetBubbleKind(), CustomerAIBehaviour::BubbleNoTime);
    ASSERT_TRUE(StepUntil([&] { return !second->IsQueueing(); }, 60 * 30));
    // Gave up at exactly likesMin: the player loses likesMin once.
    EXPECT_FLOAT_EQ(second->GetLikes(), -2.0f);
    EXPECT_FLOAT_EQ(stats->Likes, likesBefore - 2.0f);
    EXPECT_EQ(NewestText("LoseHeart"), "-2");
    EXPECT_EQ(second->GetBubbleKind(), CustomerAIBehaviour::BubbleFrustrated);
    EXPECT_EQ(stall->GetQueueLength(), 1u);
    EXPECT_TRUE(stall->IsFront(first));
    // Nobody was served: no waiting time is recorded anywhere.
    EXPECT_FLOAT_EQ(stats->TotalWaitingTime, 0.0f);
    EXPECT_FLOAT_EQ(stats->AverageWaitingTime, 0.0f);
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 30));
    EXPECT_FLOAT_EQ(stats->Likes, likesBefore - 2.0f);
}

TEST_F(Court, ServedCustomersRecordTheirQueueWait)
{
    StallsBehaviour* stall = PlaceStall();
    stall->serveTime = 2.0f;
    customers->tabaoChance = 100.0f;
    Spawn();
    Step(5);
    Spawn();
    ASSERT_TRUE(StepUntil([&] { return stats->CustomerServed == 2; }, 60 * 60));
    Step();
    // The second customer queued behind the first's two-second service.
    EXPECT_GT(stats->TotalWaitingTime, 1.0f);
    EXPECT_FLOAT_EQ(stats->AverageWaitingTime, stats->TotalWaitingTime / 2.0f);
}

TEST_F(Court, ClosedStallsSendCustomersHomeInTheEnd)
{
    StallsBehaviour* stall = PlaceStall(false);
    CustomerAIBehaviour* c = Spawn();
    ObjectHandle handle(c->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 120));
    EXPECT_EQ(stall->GetQueueLength(), 0u);
    EXPECT_EQ(stats->CustomerServed, 0);
    EXPECT_EQ(customers->count, 0);
}

TEST_F(Court, FullQueueIsNotJoined)
{
    StallsBehaviour* stall = PlaceStall();
    customers->queueMax = 1;
    CustomerAIBehaviour* first = FirstAtBusyStall(stall);
    ASSERT_EQ(stall->GetQueueLength(), 1u);
    CustomerAIBehaviour* second = Spawn();
    ObjectHandle handle(second->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 120));
    EXPECT_EQ(stall->GetQueueLength(), 1u);
    EXPECT_TRUE(stall->IsFront(first));
}

TEST_F(Court, EntranceWithoutNeighboursSendsTheCustomerAway)
{
    PlaceStall();
    startA->isActive(false);
    startB->isActive(false);
    VertexNode* lone = Node("startLone", 0.0f, -400.0f);
    (void)lone;
    CustomerAIBehaviour* c = Spawn();
    ObjectHandle handle(c->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 30));
    EXPECT_EQ(customers->count, 0);
}

TEST_F(Court, PreferredStallTypeIsSoughtAndShownWhenMissing)
{
    StallsBehaviour* stall = PlaceStall();
    customers->preferenceAllowed = true;
    customers->lookAroundfCountoutMin = 1;
    stalls->typesOfStalls = 8;
    // Several customers: those preferring type 1 queue at once; those
    // preferring a type not placed end up showing it.
    bool sawPreferenceBubble = false;
    for (int i = 0; i < 12; ++i)
    {
        CustomerAIBehaviour* c = Spawn();
        Step(2);
        if (Access::Preference(*c) > 1)
        {
            ASSERT_TRUE(StepUntil([&] { return c->GetBubbleKind() == CustomerAIBehaviour::BubblePreference ||
                                               c->IsQueueing(); }, 60 * 30));
            sawPreferenceBubble = sawPreferenceBubble || c->GetBubbleKind() == CustomerAIBehaviour::BubblePreference;
        }
    }
    EXPECT_TRUE(sawPreferenceBubble);
    (void)stall;
}
