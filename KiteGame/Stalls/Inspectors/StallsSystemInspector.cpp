// The stalls system's inspector: the number of stall types (its counters
// follow), queue offsets, fight timing, depths and layers.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Stalls/StallsSystem.h"

namespace KiteFramework
{
    void StallsSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Stalls System");
        if (open)
        {
            if (InspectInt("Types of Stalls", "##typesOfStalls", typesOfStalls))
            {
                // A negative count would ask the counters for an absurd size.
                if (typesOfStalls < 0)
                    typesOfStalls = 0;
                stallStatistics.assign(static_cast<std::size_t>(typesOfStalls), Counters(0u, 0u));
            }
            InspectFloat2("Stall To Queue Offset", "##stallToQueueOffset", stallToQueueOffset);
            InspectFloat2("Queue Start Offset", "##queueStartOffset", queueStartOffset);
            InspectFloat2("Queue To Queue Offset", "##queueToQueueOffset", queueToQueueOffset);
            InspectFloat2("Queue Random Offset", "##queueRandomOffset", queueRandomOffset);
            InspectFloat("Time to kick customer during fight", "##timeToKickCustomerDuringFight",
                         timeToKickCustomerDuringFight);
            InspectFloat("Actual stall depth", "##actualDepth", actualDepth);
            InspectFloat("Dragging stall depth", "##draggingDepth", draggingDepth);
            InspectBool("Stalls movable", "##stallsMovable", stallsMovable);
            InspectInt("Original Collision Layer", "##originalLayer", originalLayer);
            InspectInt("Dragged Collision Layer", "##draggedLayer", draggedLayer);
        }
        EndComponentInspector(*this, open);
    }
}
