// A progress bar's inspector: what it measures and its full size.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/ProgressBar.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void ProgressBar::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "ProgressBar");
        if (open)
        {
            static const char* const kinds[] = {"Money", "Likes", "Upgrade", "None"};
            InspectCombo("Progress Bar List", "##Progress Bar list", type, kinds, 4);
            InspectFloat("Maximum Scale.X Progress Bar", "##maxXScaleBar", maxBarXScale);
            InspectFloat("Height Progress Bar", "##heightBar", barHeight);
        }
        EndComponentInspector(*this, open);
    }
}
