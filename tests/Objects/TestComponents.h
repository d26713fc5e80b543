// Components used by the object, factory and scene tests and the fuzz
// targets: a script that counts what reaches it, a component whose fields
// use every XML container shape, a user-interface element, a stand-in for
// the shared mesh, and a system that records messages.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Logic/GameLogic.h"
#include "Core/Logic/Script.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/UI/UIElement.h"
#include "Core/XMLSerialisation/XMLSerialisation.h"

namespace KiteTest
{
    using namespace KiteFramework;

    constexpr ComponentTypeId CT_Probe = static_cast<ComponentTypeId>(40);
    constexpr ComponentTypeId CT_Shapes = static_cast<ComponentTypeId>(41);
    constexpr ComponentTypeId CT_Panel = static_cast<ComponentTypeId>(42);
    constexpr ComponentTypeId CT_Other = static_cast<ComponentTypeId>(43);

    // A script that records what reaches it; hooks let a test act from
    // inside an update.
    class Probe : public Script
    {
    public:
        Probe() : Script(CT_Probe) {}
        Probe(const Probe& other) : Script(other), speed(other.speed) {}
        GameComponent* Clone() const override { return new Probe(*this); }

        void Initialise() override
        {
            Script::Initialise();
            ++initialised;
        }
        void OnStart() override { ++started; }
        void Update() override
        {
            ++updates;
            if (onUpdate)
                onUpdate(this);
        }
        void OnMouseDown() override
        {
            ++mouseDowns;
            if (onMouseDown)
                onMouseDown(this);
        }
        void OnPause() override { ++pauses; }
        void TriggerActive() override { ++activations; }
        void TriggerDeactive() override { ++deactivations; }

        void XMLSerialise(XMLElement* element, XMLDocument* document) const override
        {
            WriteElement(document, element, speed, "speed");
        }
        void XMLUnSerialise(XMLElement* cursor) override { QueryNextElement(cursor, speed); }

        float speed = 1.0f;
        int initialised = 0, started = 0, updates = 0, mouseDowns = 0, pauses = 0;
        int activations = 0, deactivations = 0;
        std::function<void(Probe*)> onUpdate;
        std::function<void(Probe*)> onMouseDown;
    };

    // Fields covering every container shape the files use.
    class Shapes : public GameComponent
    {
    public:
        Shapes() : GameComponent(CT_Shapes) {}
        Shapes(const Shapes& other) = default;
        GameComponent* Clone() const override { return new Shapes(*this); }

        void XMLSerialise(XMLElement* e, XMLDocument* d) const override
        {
            WriteElement(d, e, count, "count");
            WriteElement(d, e, amount, "amount");
            WriteElement(d, e, ratio, "ratio");
            WriteElement(d, e, flag, "flag");
            WriteElement(d, e, label, "label");
            WriteElement(d, e, offset, "offset");
            WriteElement(d, e, tint, "tint");
            WriteElement(d, e, colour, "colour", "arrayElement");
            WriteElement(d, e, numbers, "numbers", "vectorElement");
            WriteElement(d, e, paths, "paths", "vectorElement");
            WriteElement(d, e, sprites, "sprites", "first", "second");
            WriteElement(d, e, nested, "nested", "vectorElement");
            WriteElement(d, e, links, "links", "vectorElement");
            WriteElement(d, e, groups, "groups", "vectorElement");
        }
        void XMLUnSerialise(XMLElement* c) override
        {
            QueryNextElement(c, count);
            QueryNextElement(c, amount);
            QueryNextElement(c, ratio);
            QueryNextElement(c, flag);
            QueryNextElement(c, label);
            QueryNextElement(c, offset);
            QueryNextElement(c, tint);
            QueryNextElement(c, colour);
            QueryNextElement(c, numbers);
            QueryNextElement(c, paths);
            QueryNextElement(c, sprites);
            QueryNextElement(c, nested);
            QueryNextElement(c, links);
            QueryNextElement(c, groups);
        }

        int count = 0;
        unsigned amount = 0;
        float ratio = 0.0f;
        bool flag = false;
        std::string label;
        Vector2D offset;
        Colour tint;
        std::array<float, 4> colour{};
        std::vector<int> numbers;
        std::vector<std::string> paths;
        std::pair<std::vector<std::string>, std::vector<std::string>> sprites;
        std::vector<std::vector<std::string>> nested;
        std::vector<std::pair<std::string, unsigned>> links;
        std::vector<std::pair<int, std::vector<std::string>>> groups;
    };

    class Panel : public UIElement
    {
    public:
        Panel() : UIElement(CT_Panel) {}
        Panel(const Panel& other) : UIElement(other), caption(other.caption) {}
        GameComponent* Clone() const override { return new Panel(*this); }
        void XMLSerialise(XMLElement* e, XMLDocument* d) const override { WriteElement(d, e, caption, "caption"); }
        void XMLUnSerialise(XMLElement* c) override { QueryNextElement(c, caption); }
        void TriggerDeactive() override { ++deactivations; }

        std::string caption;
        int deactivations = 0;
    };

    // Stands in for the shared mesh: clones are the same instance, and the
    // test owns it.
    class SharedQuad : public GameComponent
    {
    public:
        SharedQuad() : GameComponent(CT_Mesh) {}
        GameComponent* Clone() const override { return const_cast<SharedQuad*>(this); }
        ~SharedQuad() override { ++deletions; }
        static inline int deletions = 0;
    };

    // Records the ids of the messages it is sent.
    class Recorder : public System
    {
    public:
        Recorder() : System(ST_Editor) {}
        void SendMessage(Message* m) override { ids.push_back(m->id); }
        std::vector<int> ids;
    };

    // The creators of Transform and the test components, by their names.
    inline void RegisterTestComponents(GameObjectFactory* factory)
    {
        factory->AddComponentCreator(CT_Transform, "Transform", new ComponentCreatorType<Transform>(CT_Transform));
        factory->AddComponentCreator(CT_Probe, "Probe", new ComponentCreatorType<Probe>(CT_Probe));
        factory->AddComponentCreator(CT_Shapes, "Shapes", new ComponentCreatorType<Shapes>(CT_Shapes));
        factory->AddComponentCreator(CT_Panel, "Panel", new ComponentCreatorType<Panel>(CT_Panel));
    }
}
