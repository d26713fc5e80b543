// The opening fade has nothing to edit.
#include "Flow/FadeInOverlay.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void FadeInOverlay::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Fade In Overlay");
    }
}
