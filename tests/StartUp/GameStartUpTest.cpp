// The game's start-up on the fake platform: every system in its place, a few
// frames, and a teardown after which no system pointer is left dangling.
#include <gtest/gtest.h>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Audio/AudioEngine.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Input/Input.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Physics/Physics.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/UISystem.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Window/Win32System.h"
#include "StartUp/Configuration.h"
#include "StartUp/Game.h"
#include "StartUp/GameStartUp.h"
#include "Support/EngineWorld.h"

using namespace KiteFramework;

using GameStartUp = KiteTest::EngineWorld;

TEST_F(GameStartUp, EverySystemInItsPlaceAndNothingLeftAfterTeardown)
{
    UseFakePlatform();
    Configuration configuration;
    ASSERT_TRUE(AddGameSystems(*engine, configuration));

    for (int type = ST_Win32System; type <= ST_SceneManager; ++type)
    {
        if (type == ST_Editor)
            EXPECT_EQ(engine->GetSystem(ST_Editor), nullptr);
        else
            EXPECT_NE(engine->GetSystem(static_cast<SystemType>(type)), nullptr) << "system " << type;
    }

    engine->AddAndInitialiseGame(new Game());
    engine->Initialise();
    WINDOWSSYSTEM->ActivateWindow();
    engine->BeginLoop();
    for (int frame = 0; frame < 3; ++frame)
        engine->Step();
    // No scene files here: the first scene cannot be shown, so the game
    // goes home (which is missing too, and so stays empty).
    EXPECT_EQ(SCENEMNGR->GetCurrentSceneName(), "MainMenu");
    engine->EndLoop();
    engine->CleanEngine();

    EXPECT_EQ(WINDOWSSYSTEM, nullptr);
    EXPECT_EQ(INPUTSYS, nullptr);
    EXPECT_EQ(FACTORY, nullptr);
    EXPECT_EQ(PHYSICS, nullptr);
    EXPECT_EQ(LOGIC, nullptr);
    EXPECT_EQ(WAYPOINTSYS, nullptr);
    EXPECT_EQ(UISYSTEM, nullptr);
    EXPECT_EQ(GRAPHICS, nullptr);
    EXPECT_EQ(AUDIO, nullptr);
    EXPECT_EQ(ARCHETYPESYS, nullptr);
    EXPECT_EQ(SCENEMNGR, nullptr);
}

TEST_F(GameStartUp, NoWindowMeansNoGame)
{
    fake.failWindowCreation = true;
    UseFakePlatform();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(AddGameSystems(*engine, Configuration()));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(engine->GetSystem(ST_Graphics), nullptr);
}
