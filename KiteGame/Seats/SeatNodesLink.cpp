// SeatNodesLink: one place's waypoint link of a seat.
#include "Seats/SeatNodesLink.h"

#include "Core/Engine/DataError.h"
#include "Core/Factory/ObjectById.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Waypoints/VertexNode.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    SeatNodesLink::SeatNodesLink() : Script(static_cast<ComponentTypeId>(CT_SeatNodesLink)) {}

    SeatNodesLink::~SeatNodesLink() = default;

    void SeatNodesLink::ListFields(FieldVisitor& v)
    {
        v.Add("seatGOindex", seatGOindex, HiddenField());
    }

    GameComponent* SeatNodesLink::Clone() const
    {
        return CloneListed(*this);
    }

    void SeatNodesLink::Initialise()
    {
        Script::Initialise();
        if (seatGOindex == 0 || !FACTORY)
            return;
        const std::string where = Where();
        SeatsBehaviour* s = AdoptParentById<SeatsBehaviour>(*GetOwner(), seatGOindex, where, "seat");
        if (!s)
            return;
        // The place is the digit the label ends with (the node's name
        // followed by the place when the link was made).
        VertexNode* vertex = GetOwner()->GetComponent<VertexNode>();
        const std::string label = vertex ? vertex->Label() : std::string();
        const char last = label.empty() ? '\0' : label.back();
        if (last < '0' || last >= '0' + SeatsBehaviour::PlaceCount)
        {
            // Without a place it would read as free to every customer: the
            // link is left without its seat, so no one sits there.
            ReportDataError(where, "waypoint label \"" + label + "\" does not end in a place 0 to 3; link skipped");
            return;
        }
        SetSeat(s, last - '0');
        s->SetLinkVertex(seatIndex, vertex);
    }

    std::string SeatNodesLink::Where() const
    {
        std::string where;
        if (SCENEMNGR && !SCENEMNGR->GetCurrentSceneName().empty())
            where = "Scene \"" + SCENEMNGR->GetCurrentSceneName() + "\": ";
        const unsigned id = GetOwner() ? GetOwner()->GetId() : 0;
        return where + "object " + std::to_string(id) + " seat link \"" + GetGameObjectName() + "\"";
    }

    void SeatNodesLink::XMLSerialise(XMLElement* element, XMLDocument* document) const
    {
        if (resolved)
            const_cast<SeatNodesLink*>(this)->seatGOindex = IdToWrite(seat);
        GameComponent::XMLSerialise(element, document);
    }

    SeatsBehaviour* SeatNodesLink::GetSeat() const
    {
        return seat.Get<SeatsBehaviour>();
    }

    void SeatNodesLink::SetSeat(SeatsBehaviour* s, int index)
    {
        seat = ObjectHandle(s ? s->GetOwner() : nullptr);
        seatIndex = index;
        resolved = true;
    }

    GameObject* SeatNodesLink::GetOccupant() const
    {
        SeatsBehaviour* s = GetSeat();
        return s ? s->GetOccupant(seatIndex) : nullptr;
    }

    void SeatNodesLink::SetOccupant(GameObject* occupant)
    {
        if (SeatsBehaviour* s = GetSeat())
            s->SetOccupant(seatIndex, occupant);
    }

    Vector2D SeatNodesLink::TrashPosition() const
    {
        Transform* t = GetOwner() ? GetOwner()->GetComponent<Transform>() : nullptr;
        const Vector2D at = t ? t->GetTransVec() : Vector2D();
        SeatsSystem* system = SeatsSystem::Instance();
        const float offsetX = system ? system->upperSeatsOffset.x : 0.0f;
        // Odd places are on the right: their trash lies toward the table's
        // middle, on the left of the link, and the other way round.
        const float sign = (seatIndex % 2 != 0) ? 0.7f : -0.7f;
        return Vector2D(at.x - sign * offsetX, at.y - 6.0f);
    }
}
