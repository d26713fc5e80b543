// Customer walks: walking time against speed and time factor, sprite
// facing, path following and its ends, wandering chances and waypoint
// choice on thin graphs.
#include <cmath>

#include "Core/Graphics/Sprite.h"
#include "Game/CustomerTestAccess.h"
#include "Game/CustomerWorld.h"

using namespace KiteTest;
using Access = KiteFramework::CustomerTestAccess;

namespace
{
    class Walking : public CustomerWorld
    {
    protected:
        void SetUp() override
        {
            CustomerWorld::SetUp();
            Systems();
            CustomerArchetype(1, Vector2D(60.0f, 80.0f));  // speed 100
            c = NewCustomer();
            ASSERT_NE(c, nullptr);
        }

        // Frames until the walk ends; -1 when it has not ended in budget.
        int FramesToArrive(int budget = 2000)
        {
            for (int i = 1; i <= budget; ++i)
            {
                Step();
                if (c->GetState() != CustomerAIBehaviour::Walking)
                    return i;
            }
            return -1;
        }

        // oA (0, 0) - oB (100, 0) - oD (100, 100): a walk with a corner;
        // oA and oD.
        std::pair<VertexNode*, VertexNode*> Corner()
        {
            VertexNode* a = Node("oA", 0.0f, 0.0f);
            VertexNode* b = Node("oB", 100.0f, 0.0f);
            VertexNode* d = Node("oD", 100.0f, 100.0f);
            Link(a, b);
            Link(b, d);
            return {a, d};
        }

        // The customer at `from` with the path to `to` laid out.
        void LayPath(VertexNode* from, VertexNode* to)
        {
            Access::SetCurrent(*c, from);
            Access::SetPath(*c, from, to);
        }

        bool Flipped() const { return c->GetOwner()->GetComponent<Sprite>()->GetFlipXconst(); }
        Vector2D Position() const { return c->GetPosition(); }

        CustomerAIBehaviour* c = nullptr;
    };
}

TEST_F(Walking, WalkTakesDistanceOverSpeedScaledByTimeFactor)
{
    // 300 units at 100 per second: 3 s, 180 frames and the arrival frame.
    c->MoveTo(CustomerAIBehaviour::InQueue, 300.0f, 0.0f);
    EXPECT_FLOAT_EQ(c->GetMoveDuration(), 3.0f);
    const int atOne = FramesToArrive();
    EXPECT_NEAR(atOne, 181, 1);
    EXPECT_EQ(c->GetState(), CustomerAIBehaviour::InQueue);
    EXPECT_EQ(Position().x, 300.0f);
    EXPECT_EQ(Position().y, 0.0f);

    engine->SetTimeFactor(4.0f);
    c->MoveTo(CustomerAIBehaviour::InQueue, 0.0f, 0.0f);
    EXPECT_NEAR(FramesToArrive(), 46, 1);

    // Halfway at factor 1 the customer is halfway along.
    engine->SetTimeFactor(1.0f);
    c->MoveTo(CustomerAIBehaviour::InQueue, 0.0f, 300.0f);
    Step(91);
    EXPECT_NEAR(Position().y, 150.0f, 2.0f);

    // The position shown lags the clock by one frame; from then on nothing
    // moves at factor 0.
    engine->SetTimeFactor(0.0f);
    Step();
    const Vector2D frozen = Position();
    EXPECT_EQ(FramesToArrive(600), -1);
    EXPECT_EQ(Position().x, frozen.x);
    EXPECT_EQ(Position().y, frozen.y);
}

TEST_F(Walking, ZeroLengthWalkEndsOnTheNextFrameZeroSpeedNever)
{
    c->MoveTo(CustomerAIBehaviour::InQueue, 0.0f, 0.0f);
    EXPECT_EQ(FramesToArrive(), 1);
    c->interpolateStep = Vector2D(0.0f, 0.0f);
    c->MoveTo(CustomerAIBehaviour::InQueue, 0.0f, 0.0f);
    EXPECT_EQ(FramesToArrive(), 1);
    c->MoveTo(CustomerAIBehaviour::InQueue, 10.0f, 0.0f);
    EXPECT_EQ(FramesToArrive(300), -1);
    EXPECT_EQ(Position().x, 0.0f);
}

TEST_F(Walking, FacingFollowsTheSignOfTheHorizontalStep)
{
    c->MoveTo(CustomerAIBehaviour::InQueue, -50.0f, 0.0f);
    EXPECT_TRUE(Flipped());
    c->MoveTo(CustomerAIBehaviour::InQueue, 50.0f, 0.0f);
    EXPECT_FALSE(Flipped());
    // Straight up: +0.0, no flip; a target at -0.0 gives -0.0: flipped.
    c->MoveTo(CustomerAIBehaviour::InQueue, 0.0f, 100.0f);
    EXPECT_FALSE(Flipped());
    c->MoveTo(CustomerAIBehaviour::InQueue, -0.0f, 100.0f);
    EXPECT_TRUE(Flipped());
}

TEST_F(Walking, PosesTakeTheirSheetsAndOutOfRangeLooksAreSkipped)
{
    customers->customerSprites = {{{"C/a0.png", "C/b0.png"}, {"C/a1.png", "C/b1.png"}}};
    customers->customerSpriteCols_ = {4, 6};
    c->SetSprite(CustomerAIBehaviour::PoseWalking);
    Sprite* s = c->GetOwner()->GetComponent<Sprite>();
    EXPECT_EQ(s->GetTexturePath(), "C/a1.png");
    EXPECT_EQ(s->GetBlendPath(), "C/b1.png");
    EXPECT_EQ(s->GetColumn(), 6);
    // Pose 4 has no entry, look 7 has none: nothing is read out of range.
    c->SetSprite(CustomerAIBehaviour::PoseLeaving);
    EXPECT_EQ(s->GetTexturePath(), "C/a1.png");
    c->customerIndex = 7;
    c->SetSprite(CustomerAIBehaviour::PoseAtStall);
    EXPECT_EQ(s->GetTexturePath(), "C/a1.png");
}

TEST_F(Walking, PathIsFollowedThroughEveryWaypointToTheTarget)
{
    const auto [a, d] = Corner();
    LayPath(a, d);
    ASSERT_EQ(c->GetPathLength(), 3u);
    c->FollowPath(CustomerAIBehaviour::InQueue);
    EXPECT_EQ(c->GetMoveTarget().x, 100.0f);
    EXPECT_EQ(c->GetMoveTarget().y, 0.0f);
    ASSERT_TRUE(StepUntil([&] { return c->GetState() == CustomerAIBehaviour::InQueue; }, 600));
    EXPECT_EQ(Position().x, 100.0f);
    // Wandering was possible at b (the target's last step is not 7 or 8),
    // but the walk ends at the waypoint before the target either way.
    EXPECT_EQ(c->GetPathLength(), 1u);
}

TEST_F(Walking, SeatWalkEndsExactlyOnTheTarget)
{
    const auto [a, d] = Corner();
    customers->randomDisplacementRange = Vector2D(15.0f, 15.0f);
    LayPath(a, d);
    c->FollowPath(CustomerAIBehaviour::InQueue);
    ASSERT_TRUE(StepUntil([&] { return c->GetState() != CustomerAIBehaviour::Walking; }, 600));
    // A plain walk ends one waypoint short with the target still on the
    // path; a walk to a seat place ends exactly on it.
    EXPECT_EQ(c->GetPathLength(), 1u);
    LayPath(a, d);
    c->FollowPath(CustomerAIBehaviour::SeatSearch);
    ASSERT_TRUE(StepUntil([&] { return c->GetState() != CustomerAIBehaviour::Walking; }, 600));
    EXPECT_EQ(c->GetState(), CustomerAIBehaviour::SeatSearch);
    EXPECT_EQ(Position().x, 100.0f);
    EXPECT_EQ(Position().y, 100.0f);
    EXPECT_EQ(c->GetPathLength(), 0u);
}

TEST_F(Walking, AOneWaypointPathEndsOnThatWaypoint)
{
    // The shortest path from a waypoint to itself is that waypoint alone.
    VertexNode* a = Node("oA", 200.0f, 0.0f);
    VertexNode* b = Node("oB", 300.0f, 0.0f);
    Access::ClearPath(*c);
    Access::PushPath(*c, a);
    Access::SetTarget(*c, b);
    c->FollowPath(CustomerAIBehaviour::InQueue);
    EXPECT_EQ(c->GetMoveTarget(), Vector2D(200.0f, 0.0f));
    EXPECT_EQ(c->GetPathLength(), 0u);
    ASSERT_TRUE(StepUntil([&] { return c->GetState() != CustomerAIBehaviour::Walking; }, 600));
    EXPECT_EQ(c->GetState(), CustomerAIBehaviour::InQueue);
    EXPECT_EQ(Position(), Vector2D(200.0f, 0.0f));
}

TEST_F(Walking, EmptyPathRemovesTheCustomerThroughTheOneWayOut)
{
    customers->cap = 5;
    customers->SpawnCustomer();
    CustomerAIBehaviour* counted = customers->GetCustomers().back();
    counted->MoveTo(CustomerAIBehaviour::InQueue, 0.0f, 0.0f);
    counted->ShowBubble(CustomerAIBehaviour::BubbleLike, true);
    GameObject* bubble = counted->GetBubbleObject();
    ASSERT_NE(bubble, nullptr);
    ObjectHandle bubbleHandle(bubble);
    ObjectHandle customerHandle(counted->GetOwner());
    ASSERT_EQ(customers->count, 1);
    counted->FollowPath(CustomerAIBehaviour::SeatSearch);
    factory->Update();
    EXPECT_FALSE(customerHandle);
    EXPECT_FALSE(bubbleHandle);
    EXPECT_EQ(customers->count, 0);
    for (CustomerAIBehaviour* living : customers->GetCustomers())
        EXPECT_NE(living->GetOwner(), customerHandle.Get());
    EXPECT_EQ(customers->GetCustomerCount(), 1u);  // the fixture's own customer
}

TEST_F(Walking, LeavingCustomerTakesAShortStepBeforeTheExit)
{
    customers->cap = 5;
    Entrances();
    customers->SpawnCustomer();
    CustomerAIBehaviour* leaving = customers->GetCustomers().back();
    ObjectHandle handle(leaving->GetOwner());
    // No stall: the customer enters at one entrance and leaves by the other.
    Step();
    const VertexNode* entrance = leaving->GetCurrentNode();
    ASSERT_NE(entrance, nullptr);
    const VertexNode* exit = leaving->GetTargetNode();
    ASSERT_NE(exit, nullptr);
    EXPECT_NE(entrance, exit);
    ASSERT_TRUE(StepUntil([&] { return !handle; }, 60 * 60));
    EXPECT_EQ(customers->count, 0);
}

TEST_F(Walking, WanderChanceFallsWithEveryRoll)
{
    auto rate = [&](unsigned count) {
        int yes = 0;
        for (int i = 0; i < 20000; ++i)
        {
            Access::WanderCount(*c) = count;
            yes += c->RollWander() ? 1 : 0;
        }
        return yes / 20000.0;
    };
    EXPECT_NEAR(rate(1), 0.30, 0.015);
    EXPECT_NEAR(rate(2), 0.15, 0.015);
    EXPECT_NEAR(rate(4), 0.07, 0.01);
    EXPECT_NEAR(rate(11), 0.02, 0.006);
    EXPECT_NEAR(rate(15), 0.02, 0.006);
    EXPECT_NEAR(rate(16), 0.01, 0.005);
    EXPECT_EQ(rate(31), 0.0);
    EXPECT_EQ(rate(500), 0.0);
    Access::WanderCount(*c) = 1;
    c->RollWander();
    c->RollWander();
    EXPECT_EQ(c->GetWanderCount(), 3u);
}

TEST_F(Walking, WaypointChoiceKeepsThePrefixAndCopesWithNoNeighbours)
{
    VertexNode* here = Node("o1", 0.0f, 0.0f);
    VertexNode* side = Node("os1", 10.0f, 0.0f);
    VertexNode* floor = Node("o2", 20.0f, 0.0f);
    Link(here, side);
    Link(here, floor);
    Access::SetCurrent(*c, here);
    for (int i = 0; i < 20; ++i)
    {
        EXPECT_TRUE(c->PickNextNode("os"));
        EXPECT_EQ(c->GetTargetNode(), side);
    }
    // No "x" neighbour: any neighbour, and the answer is false.
    EXPECT_FALSE(c->PickNextNode("x"));
    EXPECT_NE(c->GetTargetNode(), nullptr);
    // A lone waypoint gives no target rather than a draw from nothing.
    VertexNode* lone = Node("o9", 50.0f, 50.0f);
    Access::SetCurrent(*c, lone);
    EXPECT_FALSE(c->PickNextNode("os"));
    EXPECT_EQ(c->GetTargetNode(), nullptr);
}

TEST_F(Walking, StartWaypointsAreDrawnFromActiveEntrancesOnly)
{
    EXPECT_EQ(c->RandomStartNode(), nullptr);
    VertexNode* s1 = Node("start1", 0.0f, 0.0f);
    VertexNode* s2 = Node("start2", 10.0f, 0.0f);
    Node("o1", 5.0f, 5.0f);
    s2->isActive(false);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(c->RandomStartNode(), s1);
    // Avoiding the only entrance still gives it: a way out exists.
    EXPECT_EQ(c->RandomStartNode(s1), s1);
    s2->isActive(true);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(c->RandomStartNode(s1), s2);
}
