// The world the object, factory and scene tests run in: an engine with the
// factory, logic, archetype and scene systems and the test creators.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "Objects/TestComponents.h"

namespace KiteTest
{
    // One file's bytes; empty when it cannot be read.
    inline std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    inline void WriteFile(const std::string& path, const std::string& text)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }

    // An engine with the factory, logic, archetypes and scenes, and the test
    // creators registered.
    class World : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            engine = new Engine();
            factory = new GameObjectFactory();
            logic = new GameLogic();
            archetypes = new ArchetypeSystem();
            scenes = new SceneManager();
            recorder = new Recorder();
            for (System* s : std::initializer_list<System*>{factory, logic, archetypes, scenes, recorder})
                engine->AddSystem(s);
            factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
            factory->AddComponentCreator(CT_Probe, "Probe", new ComponentCreatorType<Probe>(CT_Probe));
            factory->AddComponentCreator(CT_Shapes, "Shapes", new ComponentCreatorType<Shapes>(CT_Shapes));
            factory->AddComponentCreator(CT_Panel, "Panel", new ComponentCreatorType<Panel>(CT_Panel));
            // Unique per test: several test processes share the asset root.
            const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
            scene = std::string(info->name()) + "_" + std::to_string(getpid());
        }

        void TearDown() override
        {
            std::error_code ec;
            std::filesystem::remove_all(SceneFolder(), ec);
            std::filesystem::remove(SceneFolder() + ".xml", ec);
            engine->EndLoop();
            engine->CleanEngine();
            delete engine;
            ENGINE = nullptr;
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

        Engine* engine = nullptr;
        GameObjectFactory* factory = nullptr;
        GameLogic* logic = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        SceneManager* scenes = nullptr;
        Recorder* recorder = nullptr;
        std::string scene;
    };
}
