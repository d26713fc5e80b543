// The overlay's inspector: its three phases, the level it loads and its
// direction.
#include "Core/Editor/InspectorWidgets.h"
#include "Flow/OverlayController.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void OverlayController::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Overlay Controller");
        if (open)
        {
            InspectFloat("Fade in duration", "##fadeInDuration_", fadeInDuration);
            InspectFloat("Show duration", "##showDuration_", showDuration);
            InspectFloat("Fade out duration", "##fadeOutDuration_", fadeOutDuration);
            InspectTextOnEnter("Level to load on end", "##levelToLoad_", levelToLoad, 50);
            InspectBool("Reversed? (Fade out then in)", "##reversed_", reversed);
        }
        EndComponentInspector(*this, open);
    }
}
