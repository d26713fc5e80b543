// Input: sampled key states and one-shot edges.
#include <gtest/gtest.h>

#include "Core/Engine/Engine.h"
#include "Core/Input/Input.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/VirtualKeys.h"
#include "Support/EngineWorld.h"

using namespace KiteFramework;

namespace
{
    class InputTest : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            UseFakePlatform();
            input = AddSystem(new Input());
            engine->Initialise();
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
        }

        Input* input = nullptr;
    };
}

TEST_F(InputTest, OnePressPerHoldConsumedWhenRead)
{
    fake.SetKeyDown(VK::Space, true);
    for (int frame = 0; frame < 10; ++frame)
        input->Update();
    EXPECT_TRUE(input->wasKeyPressed(VK::Space));
    EXPECT_FALSE(input->wasKeyPressed(VK::Space));
    EXPECT_TRUE(input->wasAnyKeyPressed());
    EXPECT_FALSE(input->wasAnyKeyPressed());
    EXPECT_FALSE(input->wasKeyReleased(VK::Space));

    fake.SetKeyDown(VK::Space, false);
    input->Update();
    EXPECT_TRUE(input->wasKeyReleased(VK::Space));
    EXPECT_FALSE(input->wasKeyReleased(VK::Space));
    EXPECT_TRUE(input->wasAnyKeyReleased());

    fake.SetKeyDown(VK::Space, true);
    input->Update();
    EXPECT_TRUE(input->wasKeyPressed(VK::Space));
}

TEST_F(InputTest, TwoPressesBeforeReadingReportOne)
{
    for (int i = 0; i < 2; ++i)
    {
        fake.SetKeyDown(VK::KeyA, true);
        input->Update();
        fake.SetKeyDown(VK::KeyA, false);
        input->Update();
    }
    EXPECT_TRUE(input->wasKeyPressed(VK::KeyA));
    EXPECT_FALSE(input->wasKeyPressed(VK::KeyA));
}

TEST_F(InputTest, FrozenWhileNotPlayingButLiveStateStillAnswers)
{
    fake.SetKeyDown(VK::KeyA, true);
    input->Update();
    engine->SetEngineStatus(ES_GAMEPLAYING, false);

    fake.SetKeyDown((VK::KeyA + 1), true);
    input->Update();
    EXPECT_FALSE(input->wasKeyPressed((VK::KeyA + 1))); // not sampled
    EXPECT_TRUE(input->isKeyDown((VK::KeyA + 1)));      // but live
    EXPECT_TRUE(input->wasKeyPressed(VK::KeyA)); // kept from before
    EXPECT_TRUE(input->isKeyUp((VK::KeyA + 2)));
}

TEST_F(InputTest, LeftButtonEdgeTrailsByOneFrame)
{
    fake.SetKeyDown(VK::LButton, true);
    input->Update(); // sampled now
    EXPECT_FALSE(input->wasLMButtonPressed());
    input->Update(); // current takes the sample
    EXPECT_TRUE(input->wasLMButtonPressed());
    EXPECT_TRUE(input->wasLMButtonPressed()); // not consumed
    input->Update();
    EXPECT_FALSE(input->wasLMButtonPressed());
}

TEST_F(InputTest, AClickShorterThanAFrameCountsOnce)
{
    // Down and up again between two samples, as on a slow frame.
    fake.SetKeyDown(VK::LButton, true);
    fake.SetKeyDown(VK::LButton, false);
    input->Update();
    EXPECT_FALSE(input->wasLMButtonPressed());
    input->Update();
    EXPECT_TRUE(input->wasLMButtonPressed());
    input->Update();
    EXPECT_FALSE(input->wasLMButtonPressed());
    input->Update();
    EXPECT_FALSE(input->wasLMButtonPressed());
}

TEST_F(InputTest, AKeyTapInsideOneFrameIsOneReleaseInTheNext)
{
    fake.SetKeyDown(VK::OemPlus, true);
    fake.SetKeyDown(VK::OemPlus, false);
    input->Update();
    EXPECT_TRUE(input->wasKeyReleased(VK::OemPlus));
    EXPECT_FALSE(input->wasKeyReleased(VK::OemPlus));
    EXPECT_TRUE(input->wasKeyPressed(VK::OemPlus));
    input->Update();
    EXPECT_FALSE(input->wasKeyReleased(VK::OemPlus));
    EXPECT_FALSE(input->wasKeyPressed(VK::OemPlus));

    // Held, then let go and pressed again between two samples: one release
    // and one new press.
    fake.SetKeyDown(VK::Up, true);
    input->Update();
    EXPECT_TRUE(input->wasKeyPressed(VK::Up));
    fake.SetKeyDown(VK::Up, false);
    fake.SetKeyDown(VK::Up, true);
    input->Update();
    EXPECT_TRUE(input->wasKeyReleased(VK::Up));
    EXPECT_TRUE(input->wasKeyPressed(VK::Up));
    input->Update();
    EXPECT_FALSE(input->wasKeyReleased(VK::Up));
    EXPECT_FALSE(input->wasKeyPressed(VK::Up));
}

TEST_F(InputTest, TapsWhileNothingPlaysAreNotHandedOnLater)
{
    engine->SetEngineStatus(ES_GAMEPLAYING, false);
    fake.SetKeyDown(VK::KeyA, true);
    fake.SetKeyDown(VK::KeyA, false);
    input->Update();
    engine->SetEngineStatus(ES_GAMEPLAYING, true);
    input->Update();
    EXPECT_FALSE(input->wasKeyReleased(VK::KeyA));
    EXPECT_FALSE(input->wasKeyPressed(VK::KeyA));
}

TEST_F(InputTest, OutOfRangeKeysAreSafe)
{
    EXPECT_FALSE(input->wasKeyPressed(-1));
    EXPECT_FALSE(input->wasKeyPressed(255));
    EXPECT_FALSE(input->isKeyDown(1000));
}
