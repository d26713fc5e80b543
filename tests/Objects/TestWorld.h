// The world the object, factory and scene tests run in: the started engine
// with the factory, logic, archetype and scene systems and the test creators.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "Objects/TestComponents.h"
#include "Support/EngineWorld.h"

namespace KiteTest
{
    // The started engine with the factory, logic, archetypes and scenes, and
    // the test creators registered; its asset root is the test's scratch
    // Assets/, and the working folder another one.
    class World : public EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            // A working folder without Assets/ of its own: every file
            // resolves to the engine's asset root, and reports name it so.
            std::filesystem::create_directories(folder + "/work");
            std::filesystem::current_path(folder + "/work");
            AddFactory();
            logic = AddSystem(new GameLogic());
            archetypes = AddSystem(new ArchetypeSystem());
            scenes = AddSystem(new SceneManager());
            recorder = AddSystem(new Recorder());
            RegisterTestComponents(factory);
            // Named after the test, as the reports it checks show it.
            const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
            scene = std::string(info->name()) + "_" + std::to_string(getpid());
        }

        std::string SceneFolder() const { return engine->GetAssetPath() + "Scenes/" + scene; }

        // Loads the named scene the way the frame loop does.
        void Load(const std::string& name)
        {
            scenes->LoadLevel(name);
            scenes->Update();
        }

        GameObject* Make(const std::string& name, bool withTransform = true)
        {
            GameObject* o = factory->CreateEmptyComposition();
            o->setName(name);
            if (withTransform)
                o->AddComponent(CT_Transform);
            return o;
        }

        GameLogic* logic = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        SceneManager* scenes = nullptr;
        Recorder* recorder = nullptr;
        std::string scene;
    };
}
