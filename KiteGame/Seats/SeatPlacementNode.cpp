// SeatPlacementNode: the stored link labels of a seat place.
#include "Seats/SeatPlacementNode.h"

#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    SeatPlacementNode::SeatPlacementNode() : Script(static_cast<ComponentTypeId>(CT_SeatPlacementNode)) {}

    SeatPlacementNode::~SeatPlacementNode() = default;

    void SeatPlacementNode::ListFields(FieldVisitor& v)
    {
        v.Add("nodesToBeConnected", nodesToBeConnected, {"Node 0 to Node 3"});
    }

    GameComponent* SeatPlacementNode::Clone() const
    {
        return CloneListed(*this);
    }
}
