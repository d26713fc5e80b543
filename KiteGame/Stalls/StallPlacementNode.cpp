// StallPlacementNode: the stored link labels and queue side of a stall place.
#include "Stalls/StallPlacementNode.h"

#include "Core/Objects/FieldOps.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    StallPlacementNode::StallPlacementNode() : Script(static_cast<ComponentTypeId>(CT_StallPlacementNode)) {}

    StallPlacementNode::~StallPlacementNode() = default;

    void StallPlacementNode::ListFields(FieldVisitor& v)
    {
        v.Add("nodesToBeConnected", nodesToBeConnected, {"Node 0 / Node 1"});
        v.Add("queueToLeft", queueToLeft, {"Queue to the left?", FieldWidget::Checkbox});
    }

    GameComponent* StallPlacementNode::Clone() const
    {
        return CloneListed(*this);
    }
}
