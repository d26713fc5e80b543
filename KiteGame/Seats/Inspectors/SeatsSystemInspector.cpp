// The seats system's inspector: seat offsets, cost, depths and layers.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Seats/SeatsSystem.h"

namespace KiteFramework
{
    void SeatsSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Seat System");
        if (open)
        {
            InspectFloat2("Upper Seats Offset", "##upperSeatsOffset", upperSeatsOffset);
            InspectFloat2("Lower Seats Offset", "##lowerSeatsOffset", lowerSeatsOffset);
            InspectFloat("Seats Cost", "##seatsCost", seatsCost);
            InspectFloat("Actual stall depth", "##actualDepth", actualDepth);
            InspectFloat("Dragging stall depth", "##draggingDepth", draggingDepth);
            InspectBool("Stalls movable", "##seatsMovable", seatsMovable);
            InspectInt("Original Collision Layer", "##originalLayer", originalLayer);
            InspectInt("Dragged Collision Layer", "##draggedLayer", draggedLayer);
        }
        EndComponentInspector(*this, open);
    }
}
