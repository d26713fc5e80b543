// A stall link node's inspector: run-time links only, so only Remove.
#include "Inspectors/InspectorFields.h"
#include "Stalls/StallNodesLink.h"

namespace KiteFramework
{
    void StallNodesLink::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Stall Nodes Link");
    }
}
