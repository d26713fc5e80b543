// SecondFloorController: counts the stalls that hold the links between the
// floors open.
#include "Stalls/SecondFloorController.h"

#include "Core/Objects/FieldOps.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        // The active waypoint with the label, or null.
        VertexNode* ActiveNode(const std::string& label)
        {
            if (!WAYPOINTSYS)
                return nullptr;
            const GraphNetwork::NodeList& nodes = WAYPOINTSYS->GetNodeList();
            auto it = nodes.find(label);
            return (it != nodes.end() && it->second && it->second->isActive()) ? it->second : nullptr;
        }
    }

    SecondFloorController::SecondFloorController() : Script(static_cast<ComponentTypeId>(CT_SecondFloorController)) {}

    SecondFloorController::SecondFloorController(const SecondFloorController& other)
        : Script(other), linkUsers(other.linkUsers) {}

    void SecondFloorController::ListFields(FieldVisitor& v)
    {
        v.Add("nodesToLink", nodesToLink, HiddenField());
    }

    GameComponent* SecondFloorController::Clone() const
    {
        // The pairs belong to the level's graph; a copy starts without them.
        return new SecondFloorController(*this);
    }

    void SecondFloorController::LinkNodes()
    {
        if (linkUsers == 0)
            for (const auto& pair : nodesToLink)
                if (VertexNode* node = ActiveNode(pair.first))
                    node->AddLink(pair.second, 1, true);
        ++linkUsers;
    }

    void SecondFloorController::UnlinkNodes()
    {
        // More removals than placements must not leave the count negative,
        // or the next placement would not open the links.
        if (linkUsers <= 0)
        {
            linkUsers = 0;
            return;
        }
        --linkUsers;
        if (linkUsers == 0)
            for (const auto& pair : nodesToLink)
                if (VertexNode* node = ActiveNode(pair.first))
                    node->RemoveLink(pair.second, false);
    }
}
