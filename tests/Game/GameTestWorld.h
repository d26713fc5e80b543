// The headless world the game tests run in: the started engine with
// factory, logic, waypoints, archetypes and scenes, the game's component
// types, seeded random and frames stepped directly.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Math/Random.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerAIBehaviour.h"
#include "StartUp/Game.h"
#include "Support/EngineWorld.h"

namespace KiteTest
{
    using namespace KiteFramework;

    class GameWorld : public EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            root = folder;
            AddFactory();
            logic = AddSystem(new GameLogic());
            graph = AddSystem(new GraphNetwork());
            archetypes = AddSystem(new ArchetypeSystem());
            scenes = AddSystem(new SceneManager());
            RegisterComponent<Transform>(CT_Transform, "Transform");
            RegisterComponent<Sprite>(CT_Sprite, "Sprite");
            RegisterComponent<Text>(CT_Text, "Text");
            RegisterComponent<VertexNode>(CT_VertexNode, "VertexNode");
            RegisterComponent<SystemCallButton>(CT_SystemCallButton, "SystemCallButton");
            game.Initialise();
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
            engine->SetTimeFactor(1.0f);
            GENRANDNUM::Seed(1);
        }

        // One frame without the wait.
        void Step(int frames = 1)
        {
            for (int i = 0; i < frames; ++i)
                engine->Step();
        }

        // Steps until done() or the frame budget runs out; true when done.
        template <typename Done>
        bool StepUntil(Done done, int budget = 60 * 600)
        {
            for (int i = 0; i < budget; ++i)
            {
                if (done())
                    return true;
                engine->Step();
            }
            return done();
        }

        // A numbered object with a Transform at (x, y).
        GameObject* Make(const std::string& name, float x = 0.0f, float y = 0.0f) { return MakeAt(name, x, y); }

        // An active waypoint at (x, y).
        VertexNode* Node(const std::string& label, float x, float y)
        {
            GameObject* o = Make("Node " + label, x, y);
            VertexNode* n = Add<VertexNode>(o, CT_VertexNode);
            n->EditedLabel(label);
            n->isActive(true);
            return n;
        }

        static void Link(VertexNode* a, VertexNode* b) { a->AddLink(b->Label(), 1, false); }

        // Writes o as the archetype `name` (file and template) and removes o.
        void Archetype(const std::string& name, GameObject* o)
        {
            ASSERT_TRUE(archetypes->MakeArchetypeAndSerialise(name, o)) << name;
            Destroy(o);
            factory->Update();
        }

        // A plain archetype: Transform, and Text when asked (floating amounts).
        void SimpleArchetype(const std::string& name, bool withText = false, bool withSprite = false)
        {
            GameObject* o = Make(name);
            if (withText)
                o->AddComponent(CT_Text);
            if (withSprite)
                o->AddComponent(CT_Sprite);
            Archetype(name, o);
        }

        std::string SceneName() const { return scenes->GetCurrentSceneName(); }

        // The committed scene `name` with every archetype, read in place from
        // the game's asset tree (nothing is written there).
        void LoadShippedScene(const std::string& name)
        {
            const std::filesystem::path assets(KITE_ASSET_ROOT);
            std::filesystem::current_path(assets.parent_path());
            engine->SetAssetPath(assets.generic_string() + "/");
            RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
            archetypes->LoadAllArchetypes();
            scenes->LoadLevel(name);
            scenes->Update();
        }

        // The factory's creator named `name` makes a T of type number id.
        template <typename T>
        void ExpectCreates(const std::string& name, int id)
        {
            ComponentCreator* creator = factory->GetCreator(name);
            ASSERT_NE(creator, nullptr) << name;
            std::unique_ptr<GameComponent> made(creator->Create());
            EXPECT_NE(dynamic_cast<T*>(made.get()), nullptr) << name;
            EXPECT_EQ(made->GetComponentTypeId(), id) << name;
        }

        // Customers that have not left yet.
        std::size_t LiveCustomers() const
        {
            std::size_t n = 0;
            for (const auto& entry : factory->GetObjects())
                if (const CustomerAIBehaviour* c = entry.second->GetComponent<CustomerAIBehaviour>())
                    n += c->HasLeft() ? 0 : 1;
            return n;
        }

        GameLogic* logic = nullptr;
        GraphNetwork* graph = nullptr;
        ArchetypeSystem* archetypes = nullptr;
        SceneManager* scenes = nullptr;
        Game game;
        // The scratch folder.
        std::filesystem::path root;
    };
}
