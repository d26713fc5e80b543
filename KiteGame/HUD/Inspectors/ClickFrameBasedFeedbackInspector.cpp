// The click feedback's inspector: the sheet column that ends it.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/ClickFrameBasedFeedback.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void ClickFrameBasedFeedback::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Click Frame Based Feedback");
        if (open)
            InspectInt("Target Column", "##targetColumn_", targetColumn);
        EndComponentInspector(*this, open);
    }
}
