// A world for picking tests: engine, factory, physics and a graphics system
// without a window (for the mouse conversion), the fake platform holding the
// cursor, and a component that journals the messages its object receives.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Core/Engine/Engine.h"
#include "Core/Engine/Message.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Physics.h"
#include "Platform/Fake/FakePlatform.h"
#include "Support/EngineWorld.h"

namespace KiteTest
{
    using namespace KiteFramework;

    constexpr ComponentTypeId CT_Listener = static_cast<ComponentTypeId>(60);

    // One delivered message: which object and which id.
    struct Delivery
    {
        std::string object;
        int id;
        bool operator==(const Delivery& o) const { return object == o.object && id == o.id; }
    };

    inline std::ostream& operator<<(std::ostream& out, const Delivery& d)
    {
        return out << d.object << ":" << d.id;
    }

    // Records what its object is sent into a journal shared by the world;
    // onMessage lets a test act from inside a handler.
    class Listener : public GameComponent
    {
    public:
        explicit Listener(std::vector<Delivery>* journal_) : GameComponent(CT_Listener), journal(journal_) {}
        void SendMessage(Message* m) override
        {
            const std::string name = GetGameObjectName();
            journal->push_back({name, m->id});
            // The handler may delete this component: copy it first.
            std::function<void(int)> hook = onMessage;
            if (hook)
                hook(m->id);
        }
        std::vector<Delivery>* journal;
        std::function<void(int)> onMessage;
    };

    class PhysicsWorld : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            UseFakePlatform();
            AddFactory();
            physics = AddSystem(new Physics());
            graphics = AddSystem(new Graphics(nullptr, 1600, 900));
            physics->Initialise();
            engine->SetEngineStatus(ES_GAMEPLAYING, true);
        }

        // An object with a Transform at (x, y), a listener and an initialised
        // collider of the given tag and box size.
        GameObject* Make(const std::string& name, float x, float y, int tag = 0, Vector2D extents = Vector2D(1, 1))
        {
            GameObject* o = factory->CreateEmptyComposition();
            o->setName(name);
            static_cast<Transform*>(o->AddComponent(CT_Transform))->SetTrans(x, y);
            o->AddComponent(new Listener(&journal));
            Collider2D* c = static_cast<Collider2D*>(o->AddComponent(CT_Collider2D));
            c->SetColliderTag(tag);
            c->SetExtents(extents);
            o->Initialise();
            return o;
        }

        static Collider2D* ColliderOf(GameObject* o) { return o->GetComponent<Collider2D>(); }
        static Listener* ListenerOf(GameObject* o) { return o->GetComponent<Listener>(); }

        // Puts the cursor at a world position (the window is 1600 by 900, so
        // client pixels map one to one) and broadcasts the move.
        void MoveTo(float x, float y)
        {
            Place(x, y);
            MouseMove move(Vector2D(static_cast<float>(fake.cursorX), static_cast<float>(fake.cursorY)));
            engine->BroadcastMessage(&move);
        }

        void Click(bool pressed, MouseButton::MouseButtonIndexId button = MouseButton::LeftMouse)
        {
            MouseButton message(button, pressed,
                                Vector2D(static_cast<float>(fake.cursorX), static_cast<float>(fake.cursorY)));
            engine->BroadcastMessage(&message);
        }

        void Place(float x, float y)
        {
            fake.cursorX = static_cast<int>(x + 800.0f);
            fake.cursorY = static_cast<int>(450.0f - y);
        }

        // The journal so far, emptied.
        std::vector<Delivery> Take()
        {
            std::vector<Delivery> taken;
            taken.swap(journal);
            return taken;
        }

        Physics* physics = nullptr;
        Graphics* graphics = nullptr;
        std::vector<Delivery> journal;
    };

    using Ids = std::vector<Delivery>;
    constexpr int Enter = MsgID::MouseEnter, Over = MsgID::MouseOver, Exit = MsgID::MouseExit,
                  Down = MsgID::MouseDown, Up = MsgID::MouseUp;
}
