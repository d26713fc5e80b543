// SeatsBehaviour: a table with four places where customers eat and may
// leave trash. Remembers what occupies each place and the four waypoint
// link vertices through which customers walk to the places.
#pragma once

#include <array>

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"
#include "Seats/SeatOccupantIds.h"

namespace KiteFramework
{
    class SeatPlacementNode;
    class VertexNode;

    class SeatsBehaviour : public Script
    {
    public:
        // 0 and 1 the upper left and right places, 2 and 3 the lower ones.
        static constexpr int PlaceCount = 4;

        SeatsBehaviour();
        ~SeatsBehaviour() override;

        // Occupants from the stored ids; a seat stored on its node is
        // registered with the seat system.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        // Writes the current occupants' ids.
        void XMLSerialise(XMLElement* element, XMLDocument* document) const override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Seats Behaviour"; }

        // The living occupant of a place, or null (also for a place outside 0..3).
        GameObject* GetOccupant(int place) const;
        // Ignored for a place outside 0..3; null frees the place.
        void SetOccupant(int place, GameObject* occupant);
        bool IsPlaceFree(int place) const { return GetOccupant(place) == nullptr; }
        // Frees every place the object holds.
        void FreePlacesOf(const GameObject* occupant);
        // Trash is thrown away, seated customers leave; every place is freed.
        void ClearOccupants();

        // Creates the four link nodes around the seat on its node.
        void CreateSeatLinkNodes(SeatPlacementNode* node);
        // The link vertex of a place, or null.
        VertexNode* GetLinkVertex(int place) const;
        void SetLinkVertex(int place, VertexNode* vertex);

        // ---- Dragging and placing (Building/SeatDragging) -----------------
        void OnMouseDown() override;
        void OnMouseUp() override;
        void Update() override;
        void BeginDragFromButton();
        bool PlaceOnNode(GameObject* node);
        // The placement node object the seat stands on, or null.
        GameObject* GetNodeObject() const;

        // Drag state (moving seats by hand).
        bool pressed = false;
        bool dragging = false;
        float holdTimer = 0.0f;
        Vector2D savedPosition;
        ObjectHandle afterImage;

    private:
        friend class SeatDragging;

        static bool ValidPlace(int place) { return place >= 0 && place < PlaceCount; }

        // Refreshed from the occupants before every write.
        mutable SeatOccupantIds POArray;
        std::array<ObjectHandle, PlaceCount> occupants;
        // Objects of the link nodes.
        std::array<ObjectHandle, PlaceCount> linkVertices;
    };
}
