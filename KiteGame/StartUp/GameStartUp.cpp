// The game's start-up and teardown.
#include "StartUp/GameStartUp.h"

#include <iostream>

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

namespace KiteFramework
{
    bool AddGameSystems(Engine& engine, const Configuration& configuration)
    {
        auto* window = new Win32System(configuration.title.c_str(), configuration.width, configuration.height);
        engine.AddSystem(window);
        if (!window->HasWindow())
            return false;

        engine.AddSystem(new Input());
        engine.AddSystem(new GameObjectFactory());
        engine.AddSystem(new AudioEngine());
        engine.AddSystem(new GameLogic());
        engine.AddSystem(new GraphNetwork());
        engine.AddSystem(new UISystem());
        engine.AddSystem(new ArchetypeSystem());
        engine.AddSystem(new Physics());
        engine.AddSystem(new Graphics(window->GetWindowHandleAddress(), configuration.width, configuration.height));
        if (GRAPHICS)
            GRAPHICS->SetBG(0.33f, 0.33f, 0.33f, 0.0f);
        engine.AddSystem(new SceneManager());
        return true;
    }

    int RunGame()
    {
        return RunHost("KiteGame", HostSteps());
    }

    int RunHost(const char* program, const HostSteps& steps)
    {
        // The engine first, so that a report on the file reaches log.txt.
        auto* engine = new Engine();
        const Configuration configuration = ReadConfiguration("Configuration.txt");
        if (steps.beforeSystems)
            steps.beforeSystems(*engine);
        if (!AddGameSystems(*engine, configuration))
        {
            std::cerr << program << ": the game window could not be created; exiting." << std::endl;
            engine->CleanEngine();
            delete engine;
            return 1;
        }
        if (steps.afterSystems)
            steps.afterSystems(*engine);
        engine->AddAndInitialiseGame(new Game());
        engine->Initialise();
        if (WINDOWSSYSTEM)
            WINDOWSSYSTEM->ActivateWindow();
        engine->Loop();
        engine->CleanEngine();
        delete engine;
        return 0;
    }
}
