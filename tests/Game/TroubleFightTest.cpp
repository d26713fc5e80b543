// Fights: a customer giving up in a queue picks another queued one, the
// cloud appears only when the second fighter arrives, clicks or the
// time-out (real time, so also while paused) end it, a fire panic leaves no
// dangling fighter, and the kick-out during a fight spares the front.
#include <gtest/gtest.h>

#include "Game/CustomerTestAccess.h"
#include "Game/TroubleWorld.h"

using namespace KiteTest;

namespace
{
    class FightTest : public TroubleWorld
    {
    protected:
        void SetUp() override
        {
            TroubleWorld::SetUp();
            LevelSystems();
            TroubleSystems();
            Entrances();
            CustomerArchetype();
            customers->fightChance = 100.0f;
            customers->fightTimeout = 3.0f;
            stalls->stallToQueueOffset = Vector2D(0.0f, -60.0f);
            stalls->queueToQueueOffset = Vector2D(-40.0f, 0.0f);
            stalls->timeToKickCustomerDuringFight = 1.0f;
            stall = StoredStall(1, StallNode("StallNode1", 200.0f, 100.0f));
            stall->CreateStallLinkNode(stall->GetNodeObject()->GetComponent<StallPlacementNode>());
            // The stall system's frame work (the kick-out) runs.
            stalls->GetOwner()->Initialise();
        }

        // A customer standing at the entrance, with the entrance as its node.
        CustomerAIBehaviour* Standing(float likes = 10.0f)
        {
            CustomerAIBehaviour* c = NewCustomer();
            CustomerTestAccess::SetCurrent(*c, startA);
            CustomerTestAccess::SetState(*c, CustomerAIBehaviour::InQueue);
            c->GetOwner()->GetComponent<Transform>()->SetTrans(startA->GetTrans());
            c->startOffLikes = likes;
            return c;
        }

        CustomerAIBehaviour* Queued(float likes = 10.0f)
        {
            CustomerAIBehaviour* c = Standing(likes);
            CustomerTestAccess::JoinQueue(*c, stall->GetLinkNode());
            return c;
        }

        static bool Fighting(const CustomerAIBehaviour* c) { return c->GetState() == CustomerAIBehaviour::Fighting; }
        // On the way out (a customer already at its node walks on at once).
        static bool Leaving(const CustomerAIBehaviour* c)
        {
            return c->GetNextState() == CustomerAIBehaviour::Leaving || c->GetNextState() == CustomerAIBehaviour::Gone;
        }

        // Two customers sent to fight, stepped until the cloud is there.
        FightResolver* Cloud(CustomerAIBehaviour* a, CustomerAIBehaviour* b)
        {
            customers->StartFight(a, b);
            StepUntil([&] { return Fighting(a) && Fighting(b); }, 60 * 60);
            GameObject* cloud = Find("FightCloud");
            return cloud ? cloud->GetComponent<FightResolver>() : nullptr;
        }

        StallsBehaviour* stall = nullptr;
    };
}

TEST_F(FightTest, GivingUpInAQueueStartsAFightAndTheCloudComesWithTheSecondFighter)
{
    CustomerAIBehaviour* front = Queued();
    Queued();
    CustomerAIBehaviour* angry = Queued(0.5f);
    Queued();
    StepUntil([&] { return customers->fightOn; }, 60 * 5);
    ASSERT_TRUE(customers->fightOn);
    CustomerAIBehaviour* first = customers->GetFirstFighter();
    CustomerAIBehaviour* second = customers->GetSecondFighter();
    EXPECT_EQ(first, angry);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, angry);
    EXPECT_NE(second, front);
    EXPECT_FALSE(stall->IsQueued(first));
    EXPECT_FALSE(stall->IsQueued(second));
    EXPECT_FALSE(first->IsQueueing());
    EXPECT_EQ(stall->GetQueueLength(), 2u);
    EXPECT_EQ(first->GetNextState(), CustomerAIBehaviour::AtFight);
    EXPECT_EQ(second->GetNextState(), CustomerAIBehaviour::AtFight);

    // The two stood at different places: one arrives first and waits alone.
    bool sawOneWaiting = false;
    StepUntil([&] {
        const int there = (Fighting(first) ? 1 : 0) + (Fighting(second) ? 1 : 0);
        if (there == 1)
        {
            sawOneWaiting = true;
            EXPECT_EQ(CountNamed("FightCloud"), 0);
            EXPECT_FALSE(stalls->fightOngoing);
        }
        return there == 2;
    }, 60 * 30);
    EXPECT_TRUE(sawOneWaiting);
    EXPECT_EQ(CountNamed("FightCloud"), 1);
    EXPECT_TRUE(stalls->fightOngoing);
    GameObject* cloud = Find("FightCloud");
    EXPECT_EQ(cloud->GetComponent<Transform>()->GetTransVec(), customers->GetFightLocation());
}

TEST_F(FightTest, NoSecondFightStartsWhileOneIsOn)
{
    customers->StartFight(Standing(), Standing());
    Queued();
    Queued();
    CustomerAIBehaviour* angry = Queued(0.5f);
    Step(60 * 2);
    EXPECT_NE(customers->GetFirstFighter(), angry);
    EXPECT_NE(angry->GetNextState(), CustomerAIBehaviour::AtFight);
}

TEST_F(FightTest, ClicksBreakUpTheFightAndTheFightersLeave)
{
    CustomerAIBehaviour* a = Standing();
    CustomerAIBehaviour* b = Standing();
    FightResolver* r = Cloud(a, b);
    ASSERT_NE(r, nullptr);
    Transform* t = r->GetOwner()->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(r->GetScaleStep(), 0.2f);
    const Vector2D at = customers->GetFightLocation();
    for (int i = 0; i < 3; ++i)
        Click(at.x, at.y);
    EXPECT_NEAR(t->GetScaleVec().x, 1.0f, 1e-5);
    EXPECT_TRUE(customers->fightOn);
    Click(at.x, at.y);
    EXPECT_EQ(CountNamed("FightClickFeedback"), 4);
    EXPECT_FALSE(customers->fightOn);
    EXPECT_FALSE(stalls->fightOngoing);
    EXPECT_EQ(customers->GetFirstFighter(), nullptr);
    for (CustomerAIBehaviour* c : {a, b})
    {
        EXPECT_EQ(c->GetNextState(), CustomerAIBehaviour::Leaving);
        EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleAngry);
    }
    Step();
    EXPECT_EQ(CountNamed("FightCloud"), 0);
}

TEST_F(FightTest, TheTimeOutRunsWhileTheGameIsPaused)
{
    CustomerAIBehaviour* a = Standing();
    CustomerAIBehaviour* b = Standing();
    FightResolver* r = Cloud(a, b);
    ASSERT_NE(r, nullptr);
    engine->SetTimeFactor(0.0f);
    Step(Frames(2.9f));
    EXPECT_TRUE(customers->fightOn);
    Step(Frames(0.2f));
    EXPECT_FALSE(customers->fightOn);
    EXPECT_TRUE(Leaving(a));
    EXPECT_TRUE(Leaving(b));
    EXPECT_EQ(CountNamed("FightCloud"), 0);
}

TEST_F(FightTest, AFirePanicLeavesNoFighterDanglingOrWaiting)
{
    CustomerAIBehaviour* a = Standing();
    CustomerAIBehaviour* b = Standing();
    customers->StartFight(a, b);
    Step(5);
    // Fighters on their way keep to the fight; everyone else flees.
    CustomerAIBehaviour* bystander = Standing();
    fire->Panic();
    EXPECT_EQ(a->GetNextState(), CustomerAIBehaviour::AtFight);
    EXPECT_EQ(bystander->GetNextState(), CustomerAIBehaviour::Leaving);
    StepUntil([&] { return Fighting(a) && Fighting(b); }, 60 * 30);
    ASSERT_EQ(CountNamed("FightCloud"), 1);
    fire->Panic();
    EXPECT_TRUE(Fighting(a));

    // A fighter gone while the cloud stands: the cloud ends the fight.
    a->Despawn();
    EXPECT_FALSE(customers->fightOn);
    EXPECT_TRUE(Leaving(b));
    Step(2);
    EXPECT_EQ(CountNamed("FightCloud"), 0);
}

TEST_F(FightTest, AFighterGoneBeforeTheCloudReleasesTheOther)
{
    CustomerAIBehaviour* a = Standing();
    CustomerAIBehaviour* b = Standing();
    b->GetOwner()->GetComponent<Transform>()->SetTrans(startB->GetTrans());
    customers->StartFight(a, b);
    StepUntil([&] { return Fighting(a) || Fighting(b); }, 60 * 30);
    CustomerAIBehaviour* waiting = Fighting(a) ? a : b;
    CustomerAIBehaviour* walking = waiting == a ? b : a;
    walking->Despawn();
    Step();
    EXPECT_FALSE(customers->fightOn);
    EXPECT_TRUE(Leaving(waiting));
    Step(60 * 10);
    EXPECT_EQ(CountNamed("FightCloud"), 0);
}

TEST_F(FightTest, TheKickOutDuringAFightSparesTheFrontAndQueuesOfOne)
{
    CustomerAIBehaviour* front = Queued();
    CustomerAIBehaviour* second = Queued();
    stalls->fightOngoing = true;
    engine->SetTimeFactor(0.0f);
    // Paused: the kick-out still comes, on real time.
    Step(Frames(1.1f));
    EXPECT_TRUE(stall->IsQueued(front));
    EXPECT_FALSE(stall->IsQueued(second));
    EXPECT_TRUE(Leaving(second));
    Step(Frames(5.0f));
    EXPECT_TRUE(stall->IsQueued(front));
    EXPECT_EQ(stall->GetQueueLength(), 1u);
}
