// The day-and-night tint of a sprite has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "World/DayNightCycler.h"

namespace KiteFramework
{
    void DayNightCycler::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "DayNightCycler");
    }
}
