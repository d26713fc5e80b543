// The fast-forward button's inspector: the button block and the three
// multiplier images, typed or chosen from the loaded images.
#include "Core/Editor/InspectorWidgets.h"
#include "World/FastForwardButton.h"

namespace KiteFramework
{
    void FastForwardButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "FastForwardButton");
        if (open)
        {
            BaseButton::RenderImGui();
            DrawListedFields(*this, {"mult1_", "mult2_", "mult3_"});
        }
        EndComponentInspector(*this, open);
    }
}
