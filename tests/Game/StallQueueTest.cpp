// Queue geometry on both sides, joining and leaving, the served customer
// left alone when the queue moves up, the random queued customer a fight
// picks, and customers walking the graph into a queue and being served.
#include <gtest/gtest.h>

#include <set>

#include "Game/StallWorld.h"

using namespace KiteTest;

namespace
{
    class Queues : public StallWorld
    {
    protected:
        void SetUp() override
        {
            StallWorld::SetUp();
            LevelSystems();
            stalls->stallToQueueOffset = Vector2D(0.0f, -50.0f);
            stalls->queueStartOffset = Vector2D(30.0f, -10.0f);
            stalls->queueToQueueOffset = Vector2D(20.0f, -5.0f);
            node = StallNode("StallNode1", 100.0f, 50.0f);
            stall = StoredStall(1, node);
        }

        CustomerAIBehaviour* Queued()
        {
            CustomerAIBehaviour* c = NewCustomer();
            stall->JoinQueue(c);
            return c;
        }

        StallPlacementNode* node = nullptr;
        StallsBehaviour* stall = nullptr;
    };
}

TEST_F(Queues, PlacesRunFromTheNodeToTheRight)
{
    CustomerArchetype();
    CustomerAIBehaviour* a = Queued();
    CustomerAIBehaviour* b = Queued();
    CustomerAIBehaviour* c = Queued();
    EXPECT_EQ(a->GetMoveTarget(), Vector2D(100.0f, 0.0f));
    EXPECT_EQ(b->GetMoveTarget(), Vector2D(150.0f, -15.0f));
    EXPECT_EQ(c->GetMoveTarget(), Vector2D(170.0f, -20.0f));
    for (CustomerAIBehaviour* q : {a, b, c})
    {
        EXPECT_EQ(q->GetNextState(), CustomerAIBehaviour::AtQueuePlace);
        EXPECT_EQ(q->GetPose(), CustomerAIBehaviour::PoseWalking);
    }
    EXPECT_EQ(stall->GetQueueLength(), 3u);
    EXPECT_TRUE(stall->IsFront(a));
    EXPECT_FALSE(stall->IsFront(b));
}

TEST_F(Queues, LeftQueuesMirrorTheStartAndStepButNotTheCounterOffset)
{
    stall->queueToLeft = true;
    EXPECT_EQ(stall->QueuePlace(0), Vector2D(100.0f, 0.0f));
    EXPECT_EQ(stall->QueuePlace(1), Vector2D(50.0f, -15.0f));
    EXPECT_EQ(stall->QueuePlace(2), Vector2D(30.0f, -20.0f));
}

TEST_F(Queues, StoredStallTakesTheQueueSideOfItsNode)
{
    StallsBehaviour* left = StoredStall(2, StallNode("StallNode2", -300.0f, 0.0f, true));
    EXPECT_TRUE(left->queueToLeft);
    EXPECT_FALSE(stall->queueToLeft);
}

TEST_F(Queues, JitterStaysWithinItsRangeAndZeroRangesGiveNone)
{
    stalls->queueRandomOffset = Vector2D(8.0f, 4.0f);
    std::set<float> xs;
    for (int i = 0; i < 200; ++i)
    {
        const Vector2D p = stall->QueuePlace(1);
        const Vector2D j = p - Vector2D(150.0f, -15.0f);
        ASSERT_GE(j.x, 0.0f);
        ASSERT_LT(j.x, 8.0f);
        ASSERT_GE(j.y, 0.0f);
        ASSERT_LT(j.y, 4.0f);
        xs.insert(j.x);
        // The front place is never jittered.
        ASSERT_EQ(stall->QueuePlace(0), Vector2D(100.0f, 0.0f));
    }
    EXPECT_GT(xs.size(), 4u);

    stalls->queueRandomOffset = Vector2D(0.0f, 4.0f);
    const Vector2D p = stall->QueuePlace(2);
    EXPECT_FLOAT_EQ(p.x, 170.0f);
    EXPECT_FALSE(std::isnan(p.y));
}

TEST_F(Queues, LeavingRemovesTheCustomerAndMovesTheRestUp)
{
    CustomerArchetype();
    CustomerAIBehaviour* a = Queued();
    CustomerAIBehaviour* b = Queued();
    CustomerAIBehaviour* c = Queued();
    testing::internal::CaptureStdout();
    stall->LeaveQueue(b);
    stall->LeaveQueue(b);
    // The console says whether the customer was there to be ejected.
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "to be ejected found\nto be ejected not found\n");
    EXPECT_EQ(stall->GetQueueLength(), 2u);
    EXPECT_FALSE(stall->IsQueued(b));
    EXPECT_EQ(c->GetMoveTarget(), Vector2D(150.0f, -15.0f));
    EXPECT_EQ(stall->GetQueuedCustomer(1), c);
    EXPECT_EQ(stall->GetQueuedCustomer(2), nullptr);
    EXPECT_TRUE(stall->IsFront(a));

    // A customer that is gone drops out of the queue by itself.
    ObjectHandle gone(c->GetOwner());
    c->GetOwner()->Destroy();
    factory->Update();
    ASSERT_FALSE(gone.Get());
    EXPECT_EQ(stall->GetQueueLength(), 1u);
    CustomerAIBehaviour* d = Queued();
    EXPECT_EQ(d->GetMoveTarget(), Vector2D(150.0f, -15.0f));
}

TEST_F(Queues, FightPartnerIsNeverTheFrontAndNeedsThreeInTheQueue)
{
    CustomerArchetype();
    stall->CreateStallLinkNode(node);
    StallNodesLink* link = stall->GetLinkNode();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->GetRandomQueuedCustomer(), nullptr);
    CustomerAIBehaviour* front = Queued();
    Queued();
    EXPECT_EQ(link->GetRandomQueuedCustomer(), nullptr);
    Queued();
    Queued();
    std::set<CustomerAIBehaviour*> picked;
    for (int i = 0; i < 100; ++i)
    {
        CustomerAIBehaviour* c = link->GetRandomQueuedCustomer();
        ASSERT_NE(c, nullptr);
        ASSERT_NE(c, front);
        picked.insert(c);
    }
    EXPECT_EQ(picked.size(), 3u);
}

TEST_F(Queues, EjectAndFireDoNothingOnAStallThatIsNotOperational)
{
    CustomerArchetype();
    CustomerAIBehaviour* a = Queued();
    stall->operational = false;
    stall->busy_ = true;
    stall->EjectQueue();
    stall->SetOnFire();
    EXPECT_EQ(stall->GetQueueLength(), 1u);
    EXPECT_TRUE(stall->busy_);
    EXPECT_EQ(stall->GetFireObject(), nullptr);

    stall->operational = true;
    stall->EjectQueue();
    EXPECT_EQ(stall->GetQueueLength(), 0u);
    EXPECT_FALSE(stall->busy_);
    // The customer flees: the fire bubble, and the way out.
    EXPECT_EQ(a->GetBubbleKind(), CustomerAIBehaviour::BubbleFire);
    EXPECT_TRUE(a->GetState() == CustomerAIBehaviour::Gone || a->GetNextState() == CustomerAIBehaviour::Leaving);
}

namespace
{
    // Two entrances, two stall-side waypoints and a stall whose link node
    // joins them: customers find the stall by walking.
    class QueueFlow : public Queues
    {
    protected:
        void SetUp() override
        {
            Queues::SetUp();
            CustomerArchetype(1, Vector2D(400.0f, 0.0f), 10.0f);
            startA = Node("startA", -300.0f, 0.0f);
            VertexNode* os1 = Node("os1", -100.0f, 0.0f);
            VertexNode* os2 = Node("os2", 100.0f, 0.0f);
            startB = Node("startB", 300.0f, 0.0f);
            Link(startA, os1);
            Link(os1, os2);
            Link(os2, startB);
            node->nodesToBeConnected = {"os1", "os2"};
            stall->CreateStallLinkNode(node);
            customers->noQueuefCountoutMin = 3;
            customers->cap = 10;
            stall->serveTime = 100.0f;
            stall->stallEarningsBasic.likes = 5.0f;
            stall->Initialise();
        }

        CustomerAIBehaviour* Spawned()
        {
            const std::size_t before = customers->GetCustomerCount();
            customers->SpawnCustomer();
            return customers->GetCustomerCount() > before ? customers->GetCustomers().back() : nullptr;
        }
    };
}

TEST_F(QueueFlow, ServedCustomerStaysPutAndTakesTheLikesOnceWhenTheQueueMovesUp)
{
    CustomerAIBehaviour* a = Spawned();
    ASSERT_NE(a, nullptr);
    ASSERT_TRUE(StepUntil([&] { return a->GetState() == CustomerAIBehaviour::TimedWait; }, 60 * 60));
    EXPECT_TRUE(stall->IsFront(a));
    EXPECT_TRUE(stall->busy_);
    const float likes = a->GetLikes();

    CustomerAIBehaviour* b = Spawned();
    CustomerAIBehaviour* c = Spawned();
    ASSERT_TRUE(StepUntil([&] {
        return b->GetState() == CustomerAIBehaviour::InQueue && c->GetState() == CustomerAIBehaviour::InQueue;
    }, 60 * 60));
    stall->LeaveQueue(b);
    b->ForgetStall();
    Step(30);
    EXPECT_EQ(a->GetState(), CustomerAIBehaviour::TimedWait);
    EXPECT_FLOAT_EQ(a->GetLikes(), likes);
    EXPECT_TRUE(stall->IsFront(a));
    EXPECT_EQ(stall->GetQueuedCustomer(1), c);
}

TEST_F(QueueFlow, CustomersQueueAreServedInTurnAndPay)
{
    stall->serveTime = 0.5f;
    CustomerAIBehaviour* a = Spawned();
    CustomerAIBehaviour* b = Spawned();
    ASSERT_NE(b, nullptr);
    ObjectHandle ha(a->GetOwner()), hb(b->GetOwner());
    ASSERT_TRUE(StepUntil([&] { return stats->CustomerServed == 2; }, 60 * 60));
    EXPECT_FLOAT_EQ(stats->Money(), 120.0f);
    EXPECT_FLOAT_EQ(stats->GrossRevenue, 20.0f);
    EXPECT_FLOAT_EQ(stats->Reputation, 40.0f);
    EXPECT_EQ(stall->GetQueueLength(), 0u);
    EXPECT_FALSE(stall->busy_);
    EXPECT_EQ(stalls->stallStatistics[0].second, 2u);
    // Without seats both take their food away and leave by an entrance.
    ASSERT_TRUE(StepUntil([&] { factory->Update(); return !ha.Get() && !hb.Get(); }, 60 * 60));
    EXPECT_EQ(customers->count, 0);
    EXPECT_EQ(stats->CustomerServed, 2);
}
