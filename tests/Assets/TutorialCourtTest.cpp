// The tutorial as shipped keeps its promise that customers will queue at the
// first stall: built after a player has read the first steps, it has a
// customer in its queue within seconds (half a minute and more before).
#include <gtest/gtest.h>

#include "Assets/ShippedGame.h"
#include "Building/SpawnButton.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"

using namespace KiteFramework;

namespace
{
    constexpr int FramesPerSecond = 60;

    class TutorialCourt : public ::testing::Test
    {
    protected:
        void SetUp() override { ASSERT_TRUE(game.Start({"TutorialLevel"})); }
        void TearDown() override { game.Stop(); }

        void Seconds(float s)
        {
            for (int i = 0; i < static_cast<int>(s * FramesPerSecond); ++i)
                game.GameEngine().Step();
        }

        // The player drops the drinks stall from its build button on the
        // first stall place.
        StallsBehaviour* BuildFirstStall()
        {
            GameObject* buttonObject = FACTORY->FindObjByName("BuildStall01");
            GameObject* node = FACTORY->FindObjByName("StallNode1");
            SpawnButton* button = buttonObject ? buttonObject->GetComponent<SpawnButton>() : nullptr;
            if (!button || !node || !StallsSystem::Instance())
                return nullptr;
            const std::size_t before = StallsSystem::Instance()->GetStallCount();
            button->OnMouseDown();
            GameObject* carried = FACTORY->FindObjByName("Stall01");
            StallsBehaviour* stall = carried ? carried->GetComponent<StallsBehaviour>() : nullptr;
            if (!stall)
                return nullptr;
            const Vector2D at = node->GetComponent<Transform>()->GetTransVec();
            carried->GetComponent<Transform>()->SetTrans(at.x, at.y);
            stall->OnMouseUp();
            return StallsSystem::Instance()->GetStallCount() > before ? stall : nullptr;
        }

        KiteTest::ShippedGame game;
    };
}

TEST_F(TutorialCourt, TheFirstStallHasACustomerQueuingWithinSecondsOfBeingBuilt)
{
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u})
    {
        GENRANDNUM::Seed(seed);
        ASSERT_EQ(game.Load("TutorialLevel"), "");
        // A player reads the first instructions for a minute and more.
        Seconds(80.0f);
        StallsBehaviour* stall = BuildFirstStall();
        ASSERT_NE(stall, nullptr) << "seed " << seed;
        float waited = 0.0f;
        while (stall->GetQueueLength() == 0 && waited < 120.0f)
        {
            Seconds(0.5f);
            waited += 0.5f;
        }
        EXPECT_LT(waited, 20.0f) << "seed " << seed << ": the first customer queued after " << waited << " s";
    }
}
