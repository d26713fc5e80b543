// The second floor's controller: its node pairs are edited in the level's
// files, so the panel holds only Remove.
#include "Inspectors/InspectorFields.h"
#include "Stalls/SecondFloorController.h"

namespace KiteFramework
{
    void SecondFloorController::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Second Floor Controller");
    }
}
