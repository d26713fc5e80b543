// Mouse picking: the cost of one mouse-move pick among 1,000 colliders,
// over a scene where the cursor crosses overlapping boxes (enter, over and
// exit traffic) and over empty floor. No window is needed.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Platform/Fake/FakePlatform.h"

using namespace KiteFramework;
using Clock = std::chrono::steady_clock;

namespace
{
    // Counts what reaches the objects, so the delivery is not optimised away.
    class Counter : public GameComponent
    {
    public:
        explicit Counter(long* total_) : GameComponent(static_cast<ComponentTypeId>(60)), total(total_) {}
        void SendMessage(Message*) override { ++*total; }
        long* total;
    };

    // Nanoseconds per pick over the given cursor positions (client pixels).
    double Run(Platform::FakePlatform& fake, const std::vector<std::pair<int, int>>& path, int rounds)
    {
        const auto start = Clock::now();
        for (int r = 0; r < rounds; ++r)
            for (const auto& p : path)
            {
                fake.cursorX = p.first;
                fake.cursorY = p.second;
                MouseMove move(Vector2D(static_cast<float>(p.first), static_cast<float>(p.second)));
                ENGINE->BroadcastMessage(&move);
            }
        const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
        return ns / (static_cast<double>(rounds) * static_cast<double>(path.size()));
    }
}

int main()
{
    Platform::FakePlatform fake;
    Platform::Install(&fake);
    Engine* engine = new Engine();
    GameObjectFactory* factory = new GameObjectFactory();
    Physics* physics = new Physics();
    Graphics* graphics = new Graphics(nullptr, 1600, 900);
    engine->AddSystem(factory);
    engine->AddSystem(physics);
    engine->AddSystem(graphics);
    physics->Initialise();
    engine->SetEngineStatus(ES_GAMEPLAYING, true);

    // 1,000 boxes of 40 by 40 world units with mixed tags, scattered over
    // the left three quarters of the camera so the right quarter is empty.
    const int colliderCount = 1000;
    long delivered = 0;
    GENRANDNUM::Seed(12345);
    for (int i = 0; i < colliderCount; ++i)
    {
        GameObject* o = factory->CreateEmptyComposition();
        auto* t = static_cast<Transform*>(o->AddComponent(CT_Transform));
        t->SetTrans(static_cast<float>(GENRANDNUM::Rand() % 1200) - 800.0f,
                    static_cast<float>(GENRANDNUM::Rand() % 900) - 450.0f);
        o->AddComponent(new Counter(&delivered));
        auto* c = static_cast<Collider2D*>(o->AddComponent(CT_Collider2D));
        c->SetExtents(Vector2D(0.4f, 0.4f));
        c->SetColliderTag(GENRANDNUM::Rand() % 8);
        o->Initialise();
    }

    std::vector<std::pair<int, int>> busy;
    for (int i = 0; i < 1000; ++i)
        busy.emplace_back(GENRANDNUM::Rand() % 1200, GENRANDNUM::Rand() % 900);
    std::vector<std::pair<int, int>> empty;
    for (int i = 0; i < 1000; ++i)
        empty.emplace_back(1250 + GENRANDNUM::Rand() % 300, GENRANDNUM::Rand() % 900);

    Run(fake, busy, 5);
    const double busyNs = Run(fake, busy, 50);
    const double emptyNs = Run(fake, empty, 50);

    std::printf("colliders                       %d\n", static_cast<int>(physics->GetColliderCount()));
    std::printf("mouse-move pick over the boxes  %.0f ns\n", busyNs);
    std::printf("mouse-move pick over the floor  %.0f ns\n", emptyNs);
    std::printf("messages delivered              %ld\n", delivered);

    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    ENGINE = nullptr;
    Platform::Install(nullptr);
    return 0;
}
