// The world every loader fuzz target runs in: one engine with the object
// systems and the creators the test components need, kept for the whole
// run. Diagnostics are silenced; malformed input is the normal case here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "Objects/TestComponents.h"

namespace KiteFuzz
{
    using namespace KiteFramework;
    using namespace KiteTest;

    struct World
    {
        World()
        {
            std::cerr.rdbuf(nullptr);
            std::cout.rdbuf(nullptr);
            engine = new Engine();
            // Every malformed input is reported into the log as well.
            engine->SetLogPath("/dev/null");
            factory = new GameObjectFactory();
            logic = new GameLogic();
            archetypes = new ArchetypeSystem();
            scenes = new SceneManager();
            for (System* s : {static_cast<System*>(factory), static_cast<System*>(logic),
                              static_cast<System*>(archetypes), static_cast<System*>(scenes)})
                engine->AddSystem(s);
            factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
            factory->AddComponentCreator(CT_Probe, "Probe", new ComponentCreatorType<Probe>(CT_Probe));
            factory->AddComponentCreator(CT_Shapes, "Shapes", new ComponentCreatorType<Shapes>(CT_Shapes));
            factory->AddComponentCreator(CT_Panel, "Panel", new ComponentCreatorType<Panel>(CT_Panel));
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
            scenesFolder = engine->GetAssetPath() + "Scenes/";
            std::filesystem::create_directories(scenesFolder);
        }

        static World& Get()
        {
            static World* world = new World();
            return *world;
        }

        static void Write(const std::string& path, const uint8_t* data, std::size_t size)
        {
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                        static_cast<std::streamsize>(size));
        }

        // One frame's worth of the object systems.
        void Frame()
        {
            logic->Update();
            factory->Update();
            scenes->Update();
        }

        Engine* engine;
        GameObjectFactory* factory;
        GameLogic* logic;
        ArchetypeSystem* archetypes;
        SceneManager* scenes;
        std::string scenesFolder;
    };
}
