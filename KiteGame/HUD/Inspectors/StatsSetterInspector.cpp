// The statistics setter has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "HUD/StatsSetter.h"

namespace KiteFramework
{
    void StatsSetter::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Stats Setter");
    }
}
