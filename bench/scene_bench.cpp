// Prints how long saving and loading a scene of 1,000 objects take (each
// with a Transform and a component of several fields, a tenth of them with
// a user-interface element, every tenth one a parent of the next nine).
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/UIElement.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

using namespace KiteFramework;

namespace
{
    constexpr ComponentTypeId CT_Payload = static_cast<ComponentTypeId>(60);
    constexpr ComponentTypeId CT_Label = static_cast<ComponentTypeId>(61);

    class Payload : public GameComponent
    {
    public:
        Payload() : GameComponent(CT_Payload) {}
        GameComponent* Clone() const override { return new Payload(*this); }
        void XMLSerialise(XMLElement* e, XMLDocument* d) const override
        {
            WriteElement(d, e, speed, "speed");
            WriteElement(d, e, sprite, "sprite");
            WriteElement(d, e, tint, "tint");
            WriteElement(d, e, path, "path", "vectorElement");
        }
        void XMLUnSerialise(XMLElement* c) override
        {
            QueryNextElement(c, speed);
            QueryNextElement(c, sprite);
            QueryNextElement(c, tint);
            QueryNextElement(c, path);
        }
        float speed = 2.5f;
        std::string sprite = "Customers/Customer_1.png";
        Colour tint{1.0f, 0.5f, 0.25f, 1.0f};
        std::vector<std::string> path{"start1", "o4", "os2", "o7"};
    };

    class Label : public UIElement
    {
    public:
        Label() : UIElement(CT_Label) {}
        GameComponent* Clone() const override { return new Label(*this); }
    };

    double Seconds(std::chrono::steady_clock::duration d)
    {
        return std::chrono::duration<double>(d).count();
    }
}

int main()
{
    constexpr int Objects = 1000;
    constexpr int Rounds = 5;
    std::cerr.rdbuf(nullptr);

    Engine* engine = new Engine();
    // Scenes are written into a scratch asset tree, never the game's own.
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("kite_scene_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(scratch / "Scenes");
    engine->SetAssetPath(scratch.generic_string() + "/");
    GameObjectFactory* factory = new GameObjectFactory();
    SceneManager* scenes = new SceneManager();
    engine->AddSystem(factory);
    engine->AddSystem(new GameLogic());
    engine->AddSystem(scenes);
    factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
    factory->AddComponentCreator(CT_Payload, "Payload", new ComponentCreatorType<Payload>(CT_Payload));
    factory->AddComponentCreator(CT_Label, "Label", new ComponentCreatorType<Label>(CT_Label));

    GameObject* parent = nullptr;
    for (int i = 0; i < Objects; ++i)
    {
        GameObject* o = factory->CreateEmptyComposition();
        o->setName("Object" + std::to_string(i));
        o->AddComponent(CT_Transform);
        o->GetComponent<Transform>()->SetTrans(static_cast<float>(i), static_cast<float>(-i));
        o->AddComponent(CT_Payload);
        if (i % 10 == 0)
        {
            o->AddComponent(CT_Label);
            parent = o;
        }
        else
            o->AddParent(parent);
    }

    const std::string name = "SceneBench";
    using Clock = std::chrono::steady_clock;
    double changed = 0.0, unchanged = 0.0, load = 0.0;
    bool ok = true;
    for (int round = 0; round < Rounds; ++round)
    {
        // Every object moves, so every file is rewritten.
        for (const GameObjectFactory::ObjectMap* m : {&factory->GetObjects(), &factory->GetUIObjects()})
            for (const auto& entry : *m)
                entry.second->GetComponent<Transform>()->Translate(1.0f, 0.0f);
        auto t0 = Clock::now();
        ok = factory->SerialiseLevel(name) && ok;
        auto t1 = Clock::now();
        ok = factory->SerialiseLevel(name) && ok;
        auto t2 = Clock::now();
        scenes->LoadLevel(name);
        scenes->Update();
        auto t3 = Clock::now();
        changed += Seconds(t1 - t0);
        unchanged += Seconds(t2 - t1);
        load += Seconds(t3 - t2);
    }
    const std::size_t loaded = factory->GetObjects().size() + factory->GetUIObjects().size();

    std::printf("scene_bench: %d objects, %d rounds%s\n", Objects, Rounds, ok ? "" : " (a save FAILED)");
    std::printf("  save, every object changed: %8.2f ms per scene\n", changed / Rounds * 1000.0);
    std::printf("  save, nothing changed:      %8.2f ms per scene\n", unchanged / Rounds * 1000.0);
    std::printf("  load:                       %8.2f ms per scene (%zu objects loaded)\n", load / Rounds * 1000.0,
                loaded);

    std::error_code ec;
    std::filesystem::remove_all(scratch, ec);
    engine->EndLoop();
    engine->CleanEngine();
    delete engine;
    return ok && loaded == static_cast<std::size_t>(Objects) ? 0 : 1;
}
