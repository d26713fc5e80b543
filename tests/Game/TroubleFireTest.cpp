// Fire: a sale catching fire, the panic after its delay in game time (and
// not while paused), spreading every interval, clicks that put a fire out
// (3, 1 and 0 needed), the burning count and the panic re-armed.
#include <gtest/gtest.h>

#include <cmath>

#include "Game/TroubleWorld.h"

using namespace KiteTest;

namespace
{
    class FireTest : public TroubleWorld
    {
    protected:
        void SetUp() override
        {
            TroubleWorld::SetUp();
            LevelSystems();
            GameObject* o = TroubleSystems(false);
            fire->likesToDecrement = 2.0f;
            fire->speedMultiplier = 2.0f;
            fire->fireAffectOtherStallsTimer = 5.0f;
            fire->fireCauseWidespreadPanicTimeoutInitial = 10.0f;
            o->Initialise();
            for (int i = 0; i < 3; ++i)
                stall[i] = StoredStall(i + 1, StallNode("StallNode" + std::to_string(i), -400.0f + 400.0f * i, 200.0f));
        }

        static bool Burning(const StallsBehaviour* s) { return s->GetFireObject() != nullptr && !s->operational; }

        int BurningStalls() const
        {
            int n = 0;
            for (const StallsBehaviour* s : stall)
                n += Burning(s) ? 1 : 0;
            return n;
        }

        FireResolver* FireOf(const StallsBehaviour* s) const
        {
            GameObject* o = s->GetFireObject();
            return o ? o->GetComponent<FireResolver>() : nullptr;
        }

        StallsBehaviour* stall[3] = {};
    };
}

TEST_F(FireTest, ASaleMaySetItsStallOnFireAndThenSellsNothing)
{
    fire->baseChance = 0.0f;
    fire->chanceIncrement = 40.0f;
    fire->SetFireChance(0.0f);
    const float money = stats->Money();
    // Level 1: the chance climbs by 40 per sale; at 120 (> 99) a draw must hit.
    int sales = 0;
    while (!Burning(stall[0]) && sales < 3)
    {
        stall[0]->ServeCustomer();
        ++sales;
    }
    ASSERT_TRUE(Burning(stall[0]));
    EXPECT_EQ(fire->GetFireChance(), 0.0f);
    EXPECT_EQ(fire->GetBurningCount(), 1u);
    EXPECT_EQ(FireOf(stall[0])->GetStall(), stall[0]);
    EXPECT_EQ(stall[0]->spriteState, StallsBehaviour::Burning);
    // Every sale before the fire paid; the one that caught fire did not.
    EXPECT_FLOAT_EQ(stats->Money(), money + 10.0f * static_cast<float>(sales - 1));
}

TEST_F(FireTest, PanicComesAfterItsDelayInGameTimeThenTheFireSpreadsEveryInterval)
{
    Entrances();
    CustomerArchetype();
    CustomerAIBehaviour* walker = NewCustomer();
    Step();
    const float likes = stats->Likes;

    stall[0]->SetOnFire();
    EXPECT_TRUE(fire->IsPanicArmed());
    // Paused: the fire timer stands still.
    engine->SetTimeFactor(0.0f);
    Step(Frames(30.0f));
    EXPECT_FLOAT_EQ(fire->GetFireTimer(), 10.0f);
    EXPECT_EQ(walker->GetBubbleKind(), CustomerAIBehaviour::BubbleNone);

    engine->SetTimeFactor(1.0f);
    Step(Frames(9.9f));
    EXPECT_TRUE(fire->IsPanicArmed());
    EXPECT_FLOAT_EQ(stats->Likes, likes);
    Step(Frames(0.2f));
    EXPECT_FALSE(fire->IsPanicArmed());
    EXPECT_EQ(walker->GetBubbleKind(), CustomerAIBehaviour::BubbleFire);
    EXPECT_FLOAT_EQ(stats->Likes, likes - 2.0f);
    EXPECT_EQ(walker->GetNextState(), CustomerAIBehaviour::Leaving);
    EXPECT_GT(fire->GetFireTimer(), 4.7f);

    // One spread every 5 s while a fire burns: the timer comes back up once
    // every 300 frames, and the count follows the stalls on fire.
    int frames = 0;
    int spreads = 0;
    int lastSpread = 0;
    float last = fire->GetFireTimer();
    while (BurningStalls() < 3 && frames < 60 * 300)
    {
        Step();
        ++frames;
        const float now = fire->GetFireTimer();
        if (now > last)
        {
            if (spreads++ > 0)
            {
                EXPECT_NEAR(static_cast<float>(frames - lastSpread), 300.0f, 1.0f);
            }
            lastSpread = frames;
        }
        last = now;
        EXPECT_EQ(fire->GetBurningCount(), static_cast<unsigned>(BurningStalls()));
    }
    EXPECT_EQ(BurningStalls(), 3);
    EXPECT_FLOAT_EQ(stats->Likes, likes - 2.0f);
}

TEST_F(FireTest, ThreeClicksPutAFireOutAndTheLastFireReArmsThePanic)
{
    stall[1]->SetOnFire();
    FireResolver* r = FireOf(stall[1]);
    ASSERT_NE(r, nullptr);
    Transform* t = r->GetOwner()->GetComponent<Transform>();
    EXPECT_FLOAT_EQ(r->GetScaleStep(), 0.3f);
    ObjectHandle fireObject(r->GetOwner());

    Step(Frames(3.0f));
    Click(0.0f, 200.0f);
    EXPECT_NEAR(t->GetScaleVec().x, 1.1f, 1e-5);
    Click(0.0f, 200.0f);
    EXPECT_NEAR(t->GetScaleVec().y, 0.8f, 1e-5);
    EXPECT_TRUE(Burning(stall[1]));
    Click(0.0f, 200.0f);
    EXPECT_EQ(CountNamed("WaterFeedback"), 3);
    EXPECT_TRUE(stall[1]->operational);
    EXPECT_EQ(stall[1]->spriteState, StallsBehaviour::Idle);
    EXPECT_EQ(stall[1]->GetFireObject(), nullptr);
    EXPECT_EQ(fire->GetBurningCount(), 0u);
    EXPECT_TRUE(fire->IsPanicArmed());
    EXPECT_FLOAT_EQ(fire->GetFireTimer(), 10.0f);
    Step();
    EXPECT_FALSE(fireObject.Get());
}

namespace
{
    class FireClicks : public FireTest, public ::testing::WithParamInterface<int>
    {
    protected:
        FireClicks() { fireClicks = GetParam(); }
    };
}

TEST_P(FireClicks, OneOrNoClickNeededPutsTheFireOutAtTheFirstClickWithoutShrinking)
{
    stall[2]->SetOnFire();
    FireResolver* r = FireOf(stall[2]);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(std::isfinite(r->GetScaleStep()));
    Transform* t = r->GetOwner()->GetComponent<Transform>();
    Click(400.0f, 200.0f);
    EXPECT_FLOAT_EQ(t->GetScaleVec().x, 1.4f);
    EXPECT_TRUE(stall[2]->operational);
    EXPECT_EQ(fire->GetBurningCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Targets, FireClicks, ::testing::Values(1, 0, -2));

TEST_F(FireTest, TheBurningCountNeverWrapsAndASpreadWithoutAnotherStallChangesNothing)
{
    fire->FireEnded();
    EXPECT_EQ(fire->GetBurningCount(), 0u);
    EXPECT_TRUE(fire->IsPanicArmed());

    stall[0]->SetOnFire();
    // A spread reaching the burning stall itself, or a closed one, changes nothing.
    stall[1]->operational = false;
    stall[2]->operational = false;
    for (int i = 0; i < 10; ++i)
        fire->Spread();
    EXPECT_EQ(fire->GetBurningCount(), 1u);
    EXPECT_EQ(BurningStalls(), 1);

    // Selling the burning stall ends its fire; selling the others leaves none to spread to.
    stall[1]->operational = stall[2]->operational = true;
    stall[0]->Sell();
    EXPECT_EQ(fire->GetBurningCount(), 0u);
    stall[1]->Sell();
    stall[2]->Sell();
    Step();
    fire->Spread();
    EXPECT_EQ(fire->GetBurningCount(), 0u);
}
