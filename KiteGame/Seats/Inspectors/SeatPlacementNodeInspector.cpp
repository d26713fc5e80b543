// A seat placement node's inspector: the four waypoint labels its seat
// links to. A node belongs to the level's layout, so it has no Remove.
#include <string>

#include "Core/Editor/InspectorWidgets.h"
#include "Seats/SeatPlacementNode.h"

namespace KiteFramework
{
    void SeatPlacementNode::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Seat Placement Node");
        if (open)
        {
            for (std::size_t i = 0; i < nodesToBeConnected.size(); ++i)
            {
                const std::string label = "Node " + std::to_string(i);
                InputTextLimited(label.c_str(), nodesToBeConnected[i], 32);
            }
        }
        EndComponentInspector(*this, open, false);
    }
}
