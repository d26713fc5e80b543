// One customer's rules in isolation: likes falling while queueing, the
// give-up floor, seat-search patience, bubbles and their forcing, fire and
// giving up outside a queue.
#include "Game/CustomerTestAccess.h"
#include "Game/CustomerWorld.h"

using namespace KiteTest;
using Access = KiteFramework::CustomerTestAccess;

namespace
{
    class Behaviour : public CustomerWorld
    {
    protected:
        void SetUp() override
        {
            CustomerWorld::SetUp();
            Systems();
            customers->feedbackOffset = 40.0f;
            CustomerArchetype(1, Vector2D(100.0f, 0.0f), 4.0f);
            c = NewCustomer();
            ASSERT_NE(c, nullptr);
            // Standing still in a queue: state 4 does nothing by itself.
            Access::SetState(*c, CustomerAIBehaviour::InQueue);
        }

        GameObject* Newest(const std::string& name) const
        {
            GameObject* newest = nullptr;
            for (const auto& entry : factory->GetObjects())
                if (entry.second->getName() == name)
                    newest = entry.second;
            return newest;
        }

        CustomerAIBehaviour* c = nullptr;
    };
}

TEST_F(Behaviour, QueueingLikesFallEachTimeoutAndNoTimeShowsAtThree)
{
    Access::SetQueueing(*c, true);
    // The likes timer starts at likesTimeout (1 s) in a new customer.
    EXPECT_FLOAT_EQ(Access::LikesTimer(*c), 1.0f);
    Step(60);
    EXPECT_FLOAT_EQ(c->GetLikes(), 4.0f);
    Step(2);
    EXPECT_FLOAT_EQ(c->GetLikes(), 3.0f);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleNoTime);
    EXPECT_NEAR(Access::WaitTime(*c), 62.0f / 60.0f, 1e-4f);
    // Paused: nothing falls.
    engine->SetTimeFactor(0.0f);
    Step(600);
    EXPECT_FLOAT_EQ(c->GetLikes(), 3.0f);
}

TEST_F(Behaviour, GivingUpAtTheFloorCostsThePlayerTheFloor)
{
    c->likesMin = -1.5f;
    c->startOffLikes = -1.5f;
    Access::SetQueueing(*c, true);
    stats->Likes = 10.0f;
    Step();
    EXPECT_FALSE(c->IsQueueing());
    EXPECT_FLOAT_EQ(stats->Likes, 8.5f);
    GameObject* heart = Newest("LoseHeart");
    ASSERT_NE(heart, nullptr);
    EXPECT_EQ(*heart->GetComponent<Text>()->GetText(), "-1");
    // Without a waypoint to walk back to, the customer is gone at once.
    EXPECT_TRUE(c->HasLeft());
    Step(3);
    EXPECT_FLOAT_EQ(stats->Likes, 8.5f);
}

TEST_F(Behaviour, SeatSearchPatienceNeedsThreeFailedPassesAndTwoTrashSightings)
{
    Access::SetSearchingForSeat(*c, true);
    Access::SeatSearches(*c) = 3;
    Access::TrashSeen(*c) = 1;
    Step(200);
    EXPECT_FLOAT_EQ(c->GetLikes(), 4.0f);
    EXPECT_FLOAT_EQ(Access::WaitTime(*c), 0.0f);
    Access::TrashSeen(*c) = 2;
    Step(62);
    EXPECT_FLOAT_EQ(c->GetLikes(), 3.0f);
    EXPECT_GT(Access::WaitTime(*c), 1.0f);
}

TEST_F(Behaviour, BubblesReplaceEachOtherButThePreferenceOnlyByForce)
{
    c->ShowBubble(CustomerAIBehaviour::BubbleLike, false);
    ObjectHandle like(c->GetBubbleObject());
    ASSERT_TRUE(like);
    EXPECT_EQ(like->getName(), "SpeechBubbleLike");
    // Above the customer by the feedback offset.
    EXPECT_FLOAT_EQ(like->GetComponent<Transform>()->GetTransVec().y, c->GetPosition().y + 40.0f);

    // The same kind again changes nothing.
    c->ShowBubble(CustomerAIBehaviour::BubbleLike, true);
    EXPECT_EQ(ObjectHandle(c->GetBubbleObject()), like);

    c->ShowPreferenceBubble(3);
    factory->Update();
    EXPECT_FALSE(like);
    GameObject* preference = c->GetBubbleObject();
    ASSERT_NE(preference, nullptr);
    EXPECT_EQ(preference->GetComponent<Sprite>()->GetTexturePath(), "FX/Bubble_Stall3.png");

    c->ShowBubble(CustomerAIBehaviour::BubbleNoSeats, false);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubblePreference);
    c->ShowBubble(CustomerAIBehaviour::BubbleFrustrated, true);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleFrustrated);

    // Kind 0 removes the bubble.
    ObjectHandle frustrated(c->GetBubbleObject());
    c->ShowBubble(CustomerAIBehaviour::BubbleNone, true);
    factory->Update();
    EXPECT_FALSE(frustrated);
    EXPECT_EQ(c->GetBubbleObject(), nullptr);
}

TEST_F(Behaviour, FireSendsTheCustomerOutFasterOnce)
{
    VertexNode* here = Node("o1", 50.0f, 0.0f);
    Access::SetCurrent(*c, here);
    Access::SetQueueing(*c, true);
    stats->Likes = 20.0f;
    c->ReactToFire(-5.0f, 2.0f);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleFire);
    EXPECT_FALSE(c->IsQueueing());
    EXPECT_EQ(c->GetNextState(), CustomerAIBehaviour::Leaving);
    EXPECT_FLOAT_EQ(stats->Likes, 15.0f);
    EXPECT_FLOAT_EQ(c->interpolateStep.x, 200.0f);
    // Already on the way out: a second fire changes nothing.
    c->ReactToFire(-5.0f, 2.0f);
    EXPECT_FLOAT_EQ(stats->Likes, 15.0f);
    EXPECT_FLOAT_EQ(c->interpolateStep.x, 200.0f);
}

TEST_F(Behaviour, LosingHeartWalksBackThenLeaves)
{
    VertexNode* here = Node("o1", 50.0f, 0.0f);
    Access::SetCurrent(*c, here);
    c->likesMin = -2.0f;
    stats->Likes = 0.0f;
    c->LoseHeart();
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleDislike);
    EXPECT_EQ(c->GetState(), CustomerAIBehaviour::Walking);
    EXPECT_EQ(c->GetNextState(), CustomerAIBehaviour::Leaving);
    EXPECT_EQ(c->GetMoveTarget().x, 50.0f);
    EXPECT_FLOAT_EQ(stats->Likes, -2.0f);
    EXPECT_EQ(*Newest("LoseHeart")->GetComponent<Text>()->GetText(), "-2");
}

TEST_F(Behaviour, CloneStartsAtTheDoorWhateverTheArchetypeSays)
{
    c->customerState = CustomerAIBehaviour::Seated;
    c->likesTimeout = 2.5f;
    std::unique_ptr<GameComponent> copy(c->Clone());
    auto* clone = static_cast<CustomerAIBehaviour*>(copy.get());
    EXPECT_EQ(clone->GetState(), CustomerAIBehaviour::Entering);
    EXPECT_FLOAT_EQ(Access::LikesTimer(*clone), 2.5f);
    EXPECT_FLOAT_EQ(clone->startOffLikes, 4.0f);
    EXPECT_EQ(clone->interpolateStep.x, 100.0f);
    EXPECT_EQ(clone->GetPose(), CustomerAIBehaviour::PoseNone);
}

namespace
{
    // A level whose archetype folder lacks every bubble and floating effect.
    class BareLevel : public Behaviour
    {
    protected:
        BareLevel() { withFeedbackArchetypes = false; }
    };
}

TEST_F(BareLevel, MissingFeedbackArchetypesLeaveNoBubbleAndTheRulesRun)
{
    VertexNode* here = Node("o1", 50.0f, 0.0f);
    Access::SetCurrent(*c, here);
    c->ShowBubble(CustomerAIBehaviour::BubbleLike, true);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleLike);
    EXPECT_EQ(c->GetBubbleObject(), nullptr);
    c->ShowPreferenceBubble(2);
    EXPECT_EQ(c->GetBubbleObject(), nullptr);
    c->likesMin = -1.0f;
    c->LoseHeart();
    EXPECT_FLOAT_EQ(stats->Likes, -1.0f);
    EXPECT_TRUE(StepUntil([&] { return c->HasLeft(); }, 600));
}

TEST_F(BareLevel, GoneCustomerShowsNoMoreBubbles)
{
    c->Despawn();
    c->ShowBubble(CustomerAIBehaviour::BubbleAngry, true);
    c->ShowPreferenceBubble(4);
    EXPECT_EQ(c->GetBubbleKind(), CustomerAIBehaviour::BubbleNone);
}
