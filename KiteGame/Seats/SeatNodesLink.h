// SeatNodesLink: on one of a seat's four waypoint link nodes; names the
// seat and the place (0 to 3) the link leads to.
#pragma once

#include <string>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class SeatsBehaviour;

    class SeatNodesLink : public Script
    {
    public:
        SeatNodesLink();
        ~SeatNodesLink() override;

        // A stored link finds its seat by id, becomes its child, takes its
        // place from the last digit of its waypoint label and is handed
        // back to the seat.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Seat Nodes Link"; }

        // The seat while it lives, or null.
        SeatsBehaviour* GetSeat() const;
        void SetSeat(SeatsBehaviour* s, int index);
        int GetSeatIndex() const { return seatIndex; }
        // The occupant of this link's place, or null; setting is ignored
        // without a seat or a valid place.
        GameObject* GetOccupant() const;
        void SetOccupant(GameObject* occupant);
        // Where trash left at this place lies: beside the link, toward the
        // table, 6 units lower.
        Vector2D TrashPosition() const;

        unsigned seatGOindex = 0;

    private:
        // The scene, object id and name a report names.
        std::string Where() const;

        ObjectHandle seat;
        int seatIndex = -1;
        // Set once the link has been given a seat.
        bool resolved = false;
    };
}
