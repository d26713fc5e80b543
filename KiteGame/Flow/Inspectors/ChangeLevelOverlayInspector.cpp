// The level-change fade is set up by its button: nothing to edit.
#include "Flow/ChangeLevelOverlay.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void ChangeLevelOverlay::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Change Level Overlay");
    }
}
