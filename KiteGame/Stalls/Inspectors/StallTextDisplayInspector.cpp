// The build menu entry's text script has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "Stalls/StallTextDisplay.h"

namespace KiteFramework
{
    void StallTextDisplay::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Instantiate Stall Text Display");
    }
}
