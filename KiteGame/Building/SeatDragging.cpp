// SeatDragging: hold, carry and drop of a seat.
#include "Building/SeatDragging.h"

#include "Building/DragSupport.h"
#include "Building/Indicator.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Core/Physics/Collider2D.h"
#include "Seats/SeatPlacementNode.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/StallsSystem.h"
#include "World/GameClock.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        bool HoldsNode(GameObject* o)
        {
            return o->GetComponent<SeatPlacementNode>() != nullptr;
        }

        Indicator* IndicatorOf(SeatsBehaviour& seat)
        {
            return seat.GetOwner() ? seat.GetOwner()->GetComponent<Indicator>() : nullptr;
        }

        struct SeatSettings
        {
            float actualDepth = 0.0f;
            float draggingDepth = 0.0f;
            bool movable = true;
            int originalLayer = 0;
            int draggedLayer = 0;
        };

        SeatSettings Settings()
        {
            SeatSettings s;
            if (SeatsSystem* system = SeatsSystem::Instance())
                s = {system->actualDepth, system->draggingDepth, system->seatsMovable, system->originalLayer,
                     system->draggedLayer};
            return s;
        }

        bool AnyStallPlaced()
        {
            StallsSystem* stalls = StallsSystem::Instance();
            return stalls && stalls->GetStallCount() > 0;
        }
    }

    float SeatDragging::SeatCost()
    {
        SeatsSystem* system = SeatsSystem::Instance();
        return system ? system->seatsCost : 0.0f;
    }

    bool SeatDragging::IsFreeNode(GameObject* target)
    {
        return target && target->GetComponent<SeatPlacementNode>() && target->GetChildren().empty();
    }

    void SeatDragging::Press(SeatsBehaviour& seat)
    {
        seat.pressed = true;
    }

    void SeatDragging::Update(SeatsBehaviour& seat)
    {
        if (seat.dragging && !DragSupport::LeftButtonHeld())
        {
            // The release was picked elsewhere: it lands where the seat was
            // last carried.
            Drop(seat);
            return;
        }
        if (seat.pressed && !seat.dragging)
        {
            if (!DragSupport::LeftButtonHeld())
            {
                seat.pressed = false;
                seat.holdTimer = 0.0f;
            }
            else
            {
                seat.holdTimer += GameClock::ScaledStep();
                if (seat.holdTimer > HoldTime)
                {
                    if (Settings().movable)
                        StartHoldDrag(seat);
                    else
                        seat.pressed = false;
                    seat.holdTimer = 0.0f;
                }
            }
        }
        if (seat.dragging)
            Follow(seat);
    }

    void SeatDragging::StartHoldDrag(SeatsBehaviour& seat)
    {
        GameObject* owner = seat.GetOwner();
        seat.dragging = true;
        seat.savedPosition = DragSupport::PositionOf(owner);
        if (Indicator* indicator = IndicatorOf(seat))
            indicator->SetGrayscale();
        const SeatSettings s = Settings();
        if (seat.GetNodeObject())
        {
            Sprite* sprite = owner->GetComponent<Sprite>();
            seat.afterImage = ObjectHandle(
                DragSupport::MakeAfterImage(owner, sprite ? sprite->GetTexturePath() : std::string(), 1, 1, s.actualDepth, false));
        }
        DragSupport::SetDepth(owner, s.draggingDepth);
        // A carried seat is picked above everything else, as a carried stall.
        DragSupport::SetColliderTag(owner, s.draggedLayer);
    }

    void SeatDragging::Follow(SeatsBehaviour& seat)
    {
        GameObject* owner = seat.GetOwner();
        DragSupport::FollowPointer(owner);
        Indicator* indicator = IndicatorOf(seat);
        if (!indicator)
            return;
        GameObject* target = DragSupport::FirstUnder(owner, HoldsNode);
        indicator->ApplyTint(IsFreeNode(target) ? indicator->legalPlacement : indicator->illegalPlacement);
    }

    void SeatDragging::BeginFromButton(SeatsBehaviour& seat)
    {
        GameObject* owner = seat.GetOwner();
        seat.pressed = seat.dragging = true;
        DragSupport::SetDepth(owner, Settings().draggingDepth);
        if (Indicator* indicator = IndicatorOf(seat))
            indicator->SetGrayscale();
        if (Collider2D* collider = owner ? owner->GetComponent<Collider2D>() : nullptr)
        {
            collider->SetColliderTag(Settings().draggedLayer);
            collider->ForceToggleStay();
        }
    }

    void SeatDragging::EndDragLook(SeatsBehaviour& seat)
    {
        GameObject* owner = seat.GetOwner();
        seat.dragging = false;
        if (Indicator* indicator = IndicatorOf(seat))
            indicator->SetOriginal();
        const SeatSettings s = Settings();
        DragSupport::SetDepth(owner, s.actualDepth);
        // The seat's own resting tag.
        DragSupport::SetColliderTag(owner, s.originalLayer);
        if (GameObject* image = seat.afterImage.Get())
            image->Destroy();
        seat.afterImage.Reset();
    }

    void SeatDragging::Drop(SeatsBehaviour& seat)
    {
        seat.holdTimer = 0.0f;
        seat.pressed = false;
        if (!seat.dragging)
            return;
        EndDragLook(seat);
        GameObject* owner = seat.GetOwner();
        GameObject* target = DragSupport::FirstUnder(owner, HoldsNode);
        GameObject* ownNode = seat.GetNodeObject();
        if (target && target == ownNode)
        {
            DragSupport::MoveTo(owner, seat.savedPosition);
            return;
        }
        if (IsFreeNode(target) && !AnyStallPlaced())
        {
            Instantiate("NoStalls", DragSupport::PositionOf(owner), 0.0f);
            target = nullptr;
        }
        if (!IsFreeNode(target))
        {
            ReturnOrDiscard(seat);
            return;
        }
        if (ownNode && DragSupport::Money() < SeatCost() * 0.5f)
        {
            DragSupport::MoveTo(owner, seat.savedPosition);
            Instantiate("NoMoney", seat.savedPosition, 0.0f);
            return;
        }
        if (PlaceOnNode(seat, target))
            seat.CreateSeatLinkNodes(target->GetComponent<SeatPlacementNode>());
    }

    void SeatDragging::LeaveOldNode(SeatsBehaviour& seat, GameObject* oldNode)
    {
        DragSupport::ShowNodeMarker(oldNode, true);
        seat.GetOwner()->Unparent();
        for (ObjectHandle& link : seat.linkVertices)
        {
            if (GameObject* o = link.Get())
                o->Destroy();
            link.Reset();
        }
    }

    bool SeatDragging::PlaceOnNode(SeatsBehaviour& seat, GameObject* node)
    {
        GameObject* owner = seat.GetOwner();
        if (!owner || !node)
            return false;
        const Vector2D here = DragSupport::PositionOf(owner);
        if (GameObject* oldNode = seat.GetNodeObject())
        {
            LeaveOldNode(seat, oldNode);
            DragSupport::Charge(SeatCost() * 0.5f, here);
        }
        else
        {
            SeatsSystem* system = SeatsSystem::Instance();
            if (!system)
            {
                ReportDataError("seat \"" + seat.GetGameObjectName() + "\"", "the level has no SeatsSystem; seat not bought");
                owner->Destroy();
                return false;
            }
            if (!system->AddSeat(&seat))
                return false;
            DragSupport::Charge(SeatCost(), here);
        }
        seat.ClearOccupants();
        owner->AddParent(node);
        DragSupport::MoveTo(owner, DragSupport::PositionOf(node));
        DragSupport::ShowNodeMarker(node, false);
        return true;
    }

    void SeatDragging::ReturnOrDiscard(SeatsBehaviour& seat)
    {
        GameObject* owner = seat.GetOwner();
        if (seat.GetNodeObject())
        {
            DragSupport::MoveTo(owner, seat.savedPosition);
            return;
        }
        TintedSprites::Forget(owner);
        owner->Destroy();
    }
}
