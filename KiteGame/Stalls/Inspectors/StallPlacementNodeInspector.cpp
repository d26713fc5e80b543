// A stall placement node's inspector: its two waypoint labels and the side
// its queue forms on.
#include <string>

#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Stalls/StallPlacementNode.h"

namespace KiteFramework
{
    void StallPlacementNode::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Stall Placement Node");
        if (open)
        {
            for (std::size_t i = 0; i < nodesToBeConnected.size(); ++i)
            {
                const std::string label = "Node " + std::to_string(i);
                InputTextLimited(label.c_str(), nodesToBeConnected[i], 32);
            }
            ImGui::Checkbox("Queue to the left?", &queueToLeft);
        }
        EndComponentInspector(*this, open);
    }
}
