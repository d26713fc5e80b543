// Physics: the collider registry, mouse picking and the point query.
#include "Core/Physics/Physics.h"

#include "Core/Engine/DebugPrint.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Objects/ComponentCreator.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/Shape.h"

namespace KiteFramework
{
    Physics* PHYSICS = nullptr;

    Physics::Physics() : System(ST_Physics)
    {
        ClaimGlobal(PHYSICS, this);
    }

    Physics::~Physics()
    {
        // The colliders belong to their objects.
        colliders.Clear();
        ReleaseGlobal(PHYSICS, this);
    }

    void Physics::Initialise()
    {
        RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
        RegisterComponent<Transform>(CT_Transform, "Transform");
        DebugPrintHandler("System: Physics initialised.");
        if (ENGINE)
            ENGINE->logMessage("System: Physics initialised.");
    }

    void Physics::SendMessage(Message* message)
    {
        if (!message)
            return;
        switch (message->id)
        {
        case MsgID::MouseButton:
        case MsgID::MouseMove:
            if (ENGINE && ENGINE->GetEngineStatus(ES_GAMEPLAYING))
                TestPoint(message, message->id == MsgID::MouseButton);
            break;
        case MsgID::ClearScene:
            colliders.Clear();
            break;
        default:
            break;
        }
    }

    void Physics::AddCollider(Collider2D* collider)
    {
        if (collider)
            colliders.Add(collider);
    }

    void Physics::RemoveCollider(Collider2D* collider)
    {
        if (collider && (collider->entry || collider->stay))
            hoverLost = true;
        colliders.Remove(collider);
    }

    void Physics::Update()
    {
        if (!hoverLost || !ENGINE || !ENGINE->GetEngineStatus(ES_GAMEPLAYING))
            return;
        hoverLost = false;
        MouseMove still(Vector2D{});
        TestPoint(&still, false);
    }

    bool Physics::Deliverable(std::size_t index) const
    {
        if (!colliders.IsLive(index))
            return false;
        const GameObject* owner = colliders.At(index)->GetOwner();
        return owner && owner->isActive();
    }

    void Physics::Send(Collider2D* collider, MsgID::MessageIdType id)
    {
        MouseCollideMessage message(id);
        collider->GetOwner()->SendMessage(&message);
    }

    std::size_t Physics::BestHit(Vector2D point, std::size_t count) const
    {
        std::size_t best = count;
        for (std::size_t i = 0; i < count; ++i)
        {
            if (!Deliverable(i))
                continue;
            const Collider2D* c = colliders.At(i);
            if (c->shape && c->shape->TestPoint(point) &&
                (best == count || c->colliderTag > colliders.At(best)->colliderTag))
                best = i;
        }
        return best;
    }

    void Physics::TestPoint(Message* message, bool isButton)
    {
        // Without graphics there is no world position for the mouse.
        if (!message || !GRAPHICS)
            return;
        const Vector2D mouse = GRAPHICS->CurrentMouseToWorld();

        // The handlers reached from here may add, remove or deactivate
        // colliders and objects. The walk covers the entries present at its
        // start; removed ones are blanked in place, so every index stays
        // valid until the last walk ends.
        WalkedList<Collider2D*>::Walk walk(colliders);
        const std::size_t count = colliders.SlotCount();
        std::size_t best = count;
        int bestTag = 0;
        for (std::size_t i = 0; i < count; ++i)
        {
            if (!Deliverable(i))
                continue;
            Collider2D* c = colliders.At(i);
            if (c->shape && c->shape->TestPoint(mouse))
            {
                // A higher tag wins; on a tie the earlier entry stays.
                if (best == count || c->colliderTag > bestTag)
                {
                    best = i;
                    bestTag = c->colliderTag;
                }
            }
            else if (c->entry || c->stay)
            {
                c->exit = true;
                c->entry = c->stay = false;
                Send(c, MsgID::MouseExit);
            }
            else if (c->exit)
                c->exit = false;
        }
        // An exit handler removed or hid the winner: the best of what is left.
        if (best != count && !Deliverable(best))
            best = BestHit(mouse, count);

        if (best != count)
        {
            Collider2D* hit = colliders.At(best);
            if (!hit->entry && !hit->stay)
            {
                hit->exit = false;
                hit->entry = true;
                Send(hit, MsgID::MouseEnter);
            }
            else
            {
                hit->entry = false;
                hit->stay = true;
                Send(hit, MsgID::MouseOver);
            }
            // The enter or over handler may have removed or hidden it.
            const auto* button = isButton ? dynamic_cast<const MouseButton*>(message) : nullptr;
            if (button && button->MouseButtonIndex == MouseButton::LeftMouse && Deliverable(best) && hit->stay)
                Send(hit, button->ButtonIsPressed ? MsgID::MouseDown : MsgID::MouseUp);
        }
    }

    GameObject* Physics::TestPoint(Transform* transform)
    {
        if (!transform)
            return nullptr;
        const Vector2D point = transform->GetTransVec();
        for (std::size_t i = 0; i < colliders.SlotCount(); ++i)
        {
            if (!Deliverable(i))
                continue;
            const Collider2D* c = colliders.At(i);
            if (c->shape && c->shape->TestPoint(point))
                return c->GetOwner();
        }
        return nullptr;
    }
}
