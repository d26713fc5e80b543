// Physics: keeps the registered colliders and turns the window's mouse
// messages into per-object enter, over, exit, down and up messages (mouse
// picking); answers which object's collider contains a point.
#pragma once

#include <cstddef>
#include <vector>

#include "Core/Engine/Message.h"
#include "Core/Engine/System.h"
#include "Core/Engine/WalkedList.h"

namespace KiteFramework
{
    class Collider2D;
    class GameObject;
    class Transform;

    class Physics : public System
    {
    public:
        Physics();
        ~Physics() override;
        Physics(const Physics&) = delete;
        Physics& operator=(const Physics&) = delete;

        void Initialise() override;
        // Picks again where the pointer rests when the hovered object went.
        void Update() override;
        void SendMessage(Message* message) override;

        // Appended in registration order, which decides ties in picking.
        void AddCollider(Collider2D* collider);
        // Removes every entry of the collider; safe during a pick.
        void RemoveCollider(Collider2D* collider);

        // One pick at the mouse's world position; isButton for a MouseButton
        // message, whose left button gives down or up on the hovered object.
        void TestPoint(Message* message, bool isButton);
        // The owner of the first active collider containing the transform's
        // position; null when none does.
        GameObject* TestPoint(Transform* transform);

        // The registered colliders in order.
        std::vector<Collider2D*> GetColliders() const { return colliders.Live(); }
        std::size_t GetColliderCount() const { return colliders.Size(); }

    private:
        // Whether the entry at index is still the collider the walk saw there
        // and its owner is active.
        bool Deliverable(std::size_t index) const;
        void Send(Collider2D* collider, MsgID::MessageIdType id);
        // The winning entry below count at point, or count when none is hit.
        std::size_t BestHit(Vector2D point, std::size_t count) const;

        // Registration order; removed entries stay blanked while a pick runs.
        WalkedList<Collider2D*> colliders;
        // The hovered collider was removed: what lies beneath is entered at
        // the next update, so that a click there is not taken for the enter.
        bool hoverLost = false;
    };

    extern Physics* PHYSICS;
}
