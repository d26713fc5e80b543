// Game systems: the frame cost of Level1 with 200 customers (factory, logic
// and waypoints stepped without drawing), and the cost of one customer's
// choices: the next waypoint, the shortest queue nearby, an exit and the
// path to it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Math/Random.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/SystemCallButton.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerAIBehaviour.h"
#include "Customers/CustomerSystem.h"
#include "Economy/LevelStatsSystem.h"
#include "StartUp/Game.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;

namespace
{
    double Median(std::vector<double> v)
    {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }

    double Percentile(std::vector<double> v, double p)
    {
        std::sort(v.begin(), v.end());
        return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
    }

    double Mean(const std::vector<double>& v)
    {
        double sum = 0.0;
        for (double x : v)
            sum += x;
        return sum / static_cast<double>(v.size());
    }

    std::size_t LiveCustomers()
    {
        std::size_t n = 0;
        for (const auto& entry : FACTORY->GetObjects())
            if (const CustomerAIBehaviour* c = entry.second->GetComponent<CustomerAIBehaviour>())
                n += c->HasLeft() ? 0 : 1;
        return n;
    }

    // Keeps the level at `target` customers; the standing may have moved
    // the cap, so it is lifted each time.
    void TopUp(CustomerSystem* customers, std::size_t target)
    {
        customers->cap = 100000;
        std::size_t live = LiveCustomers();
        for (int tries = 0; live < target && tries < 1000; ++tries)
        {
            const int before = customers->count;
            customers->SpawnCustomer();
            live += customers->count > before ? 1 : 0;
        }
    }
}

namespace
{
    // An engine with the systems the game's logic needs (no window, no
    // drawing), the game's components, and Level1 loaded and playing.
    Engine* StartLevel1(GraphNetwork*& graph)
    {
        // The asset tree beside the program; archetypes are listed from the
        // working folder.
        const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
        const std::filesystem::path assets = folder / "Assets";
        std::filesystem::current_path(folder);
        GENRANDNUM::Seed(11);

        Engine* engine = new Engine();
        engine->SetAssetPath(assets.generic_string() + "/");
        auto* factory = new GameObjectFactory();
        auto* logic = new GameLogic();
        graph = new GraphNetwork();
        auto* archetypes = new ArchetypeSystem();
        auto* scenes = new SceneManager();
        for (System* s : std::initializer_list<System*>{factory, logic, graph, archetypes, scenes})
            engine->AddSystem(s);
        RegisterComponent<Transform>(CT_Transform, "Transform");
        RegisterComponent<Sprite>(CT_Sprite, "Sprite");
        RegisterComponent<Text>(CT_Text, "Text");
        RegisterComponent<VertexNode>(CT_VertexNode, "VertexNode");
        RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
        RegisterComponent<SystemCallButton>(CT_SystemCallButton, "SystemCallButton");
        Game game;
        game.Initialise();
        archetypes->LoadAllArchetypes();
        engine->SetEngineStatus(ES_GAMEPLAYING, true);
        engine->SetTimeFactor(1.0f);
        scenes->LoadLevel("Level1");
        scenes->Update();
        return engine;
    }

    // Whole frames with the crowd kept at its size.
    void TimeFrames(Engine* engine, CustomerSystem* customers, std::size_t crowd)
    {
        TopUp(customers, crowd);
        // Let the crowd spread over the floor first.
        for (int i = 0; i < 600; ++i)
        {
            engine->Step();
            TopUp(customers, crowd);
        }

        std::vector<double> frames;
        for (int i = 0; i < 1200; ++i)
        {
            TopUp(customers, crowd);
            auto start = Clock::now();
            engine->Step();
            frames.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        std::printf("Level1, %zu customers, one frame (factory, logic, waypoints; no drawing):\n", crowd);
        std::printf("  median %.1f us, mean %.1f us, 99th percentile %.1f us, worst %.1f us over %zu frames\n",
                    Median(frames), Mean(frames), Percentile(frames, 0.99),
                    *std::max_element(frames.begin(), frames.end()), frames.size());
        std::printf("  served so far %d\n", LevelStatsSystem::Instance()->CustomerServed);
    }

    // One customer's choices: the next waypoint and the shortest queue from
    // where each customer stands, an exit and the path to it from every
    // waypoint of the floor.
    void TimeChoices(GraphNetwork* graph, CustomerSystem* customers)
    {
        std::vector<double> nextNode, shortQueue, exitPath;
        std::vector<CustomerAIBehaviour*> crowdNow = customers->GetCustomers();
        const std::vector<const VertexNode*> floor = graph->GetAllActiveNodes();
        for (std::size_t i = 0; i < floor.size() * 20; ++i)
        {
            CustomerAIBehaviour* probe = crowdNow[i % crowdNow.size()];
            const VertexNode* node = floor[i % floor.size()];
            auto t0 = Clock::now();
            probe->PickNextNode("os");
            auto t1 = Clock::now();
            probe->FindShortQueueStall();
            auto t2 = Clock::now();
            const VertexNode* exit = probe->RandomStartNode(node);
            GraphNetwork::Path path = exit ? graph->GetShortestPath(node, exit) : GraphNetwork::Path();
            auto t3 = Clock::now();
            nextNode.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
            shortQueue.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
            exitPath.push_back(std::chrono::duration<double, std::micro>(t3 - t2).count());
            (void)path;
        }
        std::printf("One customer's choice on Level1's %zu waypoints (median):\n", graph->GetAllActiveNodes().size());
        std::printf("  next waypoint %.2f us, shortest queue nearby %.2f us, exit and path %.2f us\n",
                    Median(nextNode), Median(shortQueue), Median(exitPath));
    }
}

int main()
{
    GraphNetwork* graph = nullptr;
    Engine* engine = StartLevel1(graph);
    CustomerSystem* customers = CustomerSystem::Instance();
    if (!customers || !LevelStatsSystem::Instance())
    {
        std::printf("Level1 has no customer or statistics system\n");
        return 1;
    }
    customers->cap = 100000;
    TimeFrames(engine, customers, 200);
    TimeChoices(graph, customers);

    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    return 0;
}
