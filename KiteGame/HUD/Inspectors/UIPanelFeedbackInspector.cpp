// The panel feedback's inspector: the scale it grows to and for how long.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/UIPanelFeedback.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void UIPanelFeedback::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Fade Out Feedback");
        if (open)
        {
            InspectFloat2("Ending", "##Scale", translation);
            InspectFloat("Timing", "##Timing", timing);
        }
        EndComponentInspector(*this, open);
    }
}
