// The delayed sound's inspector: the seconds before it plays.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/PlayAfterTimer.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void PlayAfterTimer::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Play after timer");
        if (open)
            InspectFloat("Time to play", "##timeToPlay_", timeToPlay);
        EndComponentInspector(*this, open);
    }
}
