// SeatDragging: what a seat's drag does beyond a stall's.
#include "Building/SeatDragging.h"

#include "Building/DragSupport.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Objects/GameObject.h"
#include "Seats/SeatPlacementNode.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/StallsSystem.h"

namespace KiteFramework
{
    namespace
    {
        bool HoldsNode(GameObject* o)
        {
            return o->GetComponent<SeatPlacementNode>() != nullptr;
        }
    }

    DragController::Settings SeatDragging::SeatSettings()
    {
        SeatsSystem* seats = SeatsSystem::Instance();
        Settings s = SettingsOf(seats, &SeatsSystem::seatsMovable);
        if (seats)
            s.liftedLayer = seats->originalLayer;
        if (StallsSystem* stalls = StallsSystem::Instance())
            s.droppedLayer = stalls->originalLayer;
        return s;
    }

    SeatDragging::SeatDragging(SeatsBehaviour& seat)
        : DragController(seat.GetOwner(), {seat.pressed, seat.dragging, seat.holdTimer, seat.savedPosition, seat.afterImage},
                         SeatSettings(), HoldTime, HoldsNode),
          seat(seat)
    {
    }

    float SeatDragging::Price() const
    {
        SeatsSystem* system = SeatsSystem::Instance();
        return system ? system->seatsCost : 0.0f;
    }

    GameObject* SeatDragging::MakeAfterImage(float depth)
    {
        Sprite* sprite = owner->GetComponent<Sprite>();
        return DragSupport::MakeAfterImage(owner, sprite ? sprite->GetTexturePath() : std::string(), 1, 1, depth, false);
    }

    bool SeatDragging::MayTakeFreeNode()
    {
        StallsSystem* stalls = StallsSystem::Instance();
        if (stalls && stalls->GetStallCount() > 0)
            return true;
        Instantiate("NoStalls", DragSupport::PositionOf(owner), 0.0f);
        return false;
    }

    void SeatDragging::LeaveNode(GameObject* oldNode)
    {
        DragSupport::ShowNodeMarker(oldNode, true);
        owner->Unparent();
        for (ObjectHandle& link : seat.linkVertices)
        {
            if (GameObject* o = link.Get())
                o->Destroy();
            link.Reset();
        }
        seat.ClearOccupants();
    }

    bool SeatDragging::BuyNew()
    {
        SeatsSystem* system = SeatsSystem::Instance();
        return system ? system->AddSeat(&seat) : NotBought("seat", "SeatsSystem");
    }

    void SeatDragging::Link(GameObject* node)
    {
        seat.CreateSeatLinkNodes(node->GetComponent<SeatPlacementNode>());
    }
}
