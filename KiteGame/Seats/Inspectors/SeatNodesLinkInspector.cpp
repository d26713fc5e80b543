// A seat link node's inspector: run-time links only, so only Remove.
#include "Inspectors/InspectorFields.h"
#include "Seats/SeatNodesLink.h"

namespace KiteFramework
{
    void SeatNodesLink::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Seat Nodes Link");
    }
}
