// The second-floor marker has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "Stalls/SecondFloorIndicator.h"

namespace KiteFramework
{
    void SecondFloorIndicator::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Second Floor Indicator");
    }
}
