// The game's start-up and teardown.
#include "StartUp/GameStartUp.h"

#include <iostream>

#include "Core/Engine/Engine.h"
#include "Core/Input/Input.h"
#include "Core/Window/Win32System.h"
#include "StartUp/Configuration.h"
#include "StartUp/Game.h"

// Systems join the start-up as they are built.
#if __has_include("Core/Factory/GameObjectFactory.h")
#include "Core/Factory/GameObjectFactory.h"
#define KITE_HAS_FACTORY 1
#endif
#if __has_include("Core/Audio/AudioEngine.h")
#include "Core/Audio/AudioEngine.h"
#define KITE_HAS_AUDIO 1
#endif
#if __has_include("Core/Logic/GameLogic.h")
#include "Core/Logic/GameLogic.h"
#define KITE_HAS_LOGIC 1
#endif
#if __has_include("Core/Waypoints/GraphNetwork.h")
#include "Core/Waypoints/GraphNetwork.h"
#define KITE_HAS_WAYPOINTS 1
#endif
#if __has_include("Core/UI/UISystem.h")
#include "Core/UI/UISystem.h"
#define KITE_HAS_UI 1
#endif
#if __has_include("Core/Archetypes/ArchetypeSystem.h")
#include "Core/Archetypes/ArchetypeSystem.h"
#define KITE_HAS_ARCHETYPES 1
#endif
#if __has_include("Core/Physics/Physics.h")
#include "Core/Physics/Physics.h"
#define KITE_HAS_PHYSICS 1
#endif
#if __has_include("Core/Graphics/Graphics.h")
#include "Core/Graphics/Graphics.h"
#define KITE_HAS_GRAPHICS 1
#endif
#if __has_include("Core/Scenes/SceneManager.h")
#include "Core/Scenes/SceneManager.h"
#define KITE_HAS_SCENES 1
#endif

namespace KiteFramework
{
    bool AddGameSystems(Engine& engine, const Configuration& configuration)
    {
        auto* window = new Win32System(configuration.title.c_str(), configuration.width, configuration.height);
        engine.AddSystem(window);
        if (!window->HasWindow())
            return false;

        engine.AddSystem(new Input());
#ifdef KITE_HAS_FACTORY
        engine.AddSystem(new GameObjectFactory());
#endif
#ifdef KITE_HAS_AUDIO
        engine.AddSystem(new AudioEngine());
#endif
#ifdef KITE_HAS_LOGIC
        engine.AddSystem(new GameLogic());
#endif
#ifdef KITE_HAS_WAYPOINTS
        engine.AddSystem(new GraphNetwork());
#endif
#ifdef KITE_HAS_UI
        engine.AddSystem(new UISystem());
#endif
#ifdef KITE_HAS_ARCHETYPES
        engine.AddSystem(new ArchetypeSystem());
#endif
#ifdef KITE_HAS_PHYSICS
        engine.AddSystem(new Physics());
#endif
#ifdef KITE_HAS_GRAPHICS
        engine.AddSystem(new Graphics(window->GetWindowHandleAddress(), configuration.width, configuration.height));
        if (GRAPHICS)
            GRAPHICS->SetBG(0.33f, 0.33f, 0.33f, 0.0f);
#endif
#ifdef KITE_HAS_SCENES
        engine.AddSystem(new SceneManager());
#endif
        return true;
    }

    int RunGame()
    {
        const Configuration configuration = ReadConfiguration("Configuration.txt");
        auto* engine = new Engine();
        if (!AddGameSystems(*engine, configuration))
        {
            std::cerr << "KiteGame: the game window could not be created; exiting." << std::endl;
            engine->CleanEngine();
            delete engine;
            return 1;
        }
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
