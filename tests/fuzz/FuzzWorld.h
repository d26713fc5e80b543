// The world every loader fuzz target runs in: the started engine
// (Support/StartedEngine.h) with the object systems and the creators the
// test components need, kept for the whole run in a scratch folder of its
// own. Diagnostics are silenced; malformed input is the normal case here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "Objects/TestComponents.h"
#include "Support/StartedEngine.h"

namespace KiteFuzz
{
    using namespace KiteFramework;
    using namespace KiteTest;

    struct World : StartedEngine
    {
        World()
        {
            std::cerr.rdbuf(nullptr);
            std::cout.rdbuf(nullptr);
            Start();
            // Every malformed input is reported into the log as well.
            engine->SetLogPath("/dev/null");
            AddFactory();
            logic = AddSystem(new GameLogic());
            archetypes = AddSystem(new ArchetypeSystem());
            scenes = AddSystem(new SceneManager());
            RegisterTestComponents(factory);
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
            scenesFolder = engine->GetAssetPath() + "Scenes/";
        }

        // Made on first use and kept to the end of the run; the scratch
        // folder goes when the run ends normally.
        static World& Get()
        {
            static World* world = [] {
                auto* w = new World();
                std::atexit([] { std::filesystem::remove_all(Get().folder); });
                return w;
            }();
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

        GameLogic* logic;
        ArchetypeSystem* archetypes;
        SceneManager* scenes;
        std::string scenesFolder;
    };
}
