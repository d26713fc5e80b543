// The fading feedback's inspector: how far it moves and for how long.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/FadeOutFeedback.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void FadeOutFeedback::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Fade Out Feedback");
        if (open)
        {
            InspectFloat2("Ending", "##Displacement", translation);
            InspectFloat("Timing", "##Timing", timing);
        }
        EndComponentInspector(*this, open);
    }
}
