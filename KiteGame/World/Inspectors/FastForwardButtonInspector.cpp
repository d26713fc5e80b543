// The fast-forward button's inspector: the button block and the three
// multiplier images, typed or chosen from the loaded images.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "World/FastForwardButton.h"

namespace KiteFramework
{
    void FastForwardButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "FastForwardButton");
        if (open)
        {
            BaseButton::RenderImGui();
            InspectImagePath("Multiplier 1 Sprite", "##mult1_", "mult1_", mult1_);
            InspectImagePath("Multiplier 2 Sprite", "##mult2_", "mult2_", mult2_);
            InspectImagePath("Multiplier 3 Sprite", "##mult3_", "mult3_", mult3_);
        }
        EndComponentInspector(*this, open);
    }
}
