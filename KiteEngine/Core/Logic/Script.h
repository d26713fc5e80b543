// Script: the base of every game rule. The game logic system updates every
// initialised script each frame while the game plays and hands it every
// broadcast message.
#pragma once

#include "Core/Objects/GameComponent.h"

namespace KiteFramework
{
    class Transform;

    class Script : public GameComponent
    {
    public:
        // Registers with the logic system and caches the owner's Transform.
        void Initialise() override;
        // Maps mouse, start and pause messages to the handlers below.
        void SendMessage(Message* message) override;
        GameComponent* Clone() const override = 0;
        ~Script() override;

        virtual void OnMouseDown() {}
        virtual void OnMouseUp() {}
        virtual void OnMouseDrag() {}
        virtual void OnMouseEnter() {}
        virtual void OnMouseExit() {}
        virtual void OnMouseOver() {}
        virtual void OnCollisionEnter2D(GameObject* other) {}
        virtual void OnPause() {}

        Transform* GetTransform() const { return transform; }

    protected:
        explicit Script(ComponentTypeId type) : GameComponent(type) {}
        Script(const Script& other) : GameComponent(other) {}

        Transform* transform = nullptr;
    };
}
