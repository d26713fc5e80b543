// A speed button's inspector: the button block and the speed it sets.
#include "Core/Editor/InspectorWidgets.h"
#include "World/SpeedButton.h"

namespace KiteFramework
{
    void SpeedButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Speed Button");
        if (open)
        {
            BaseButton::RenderImGui();
            DrawListedFields(*this, {"speedButtonType"});
        }
        EndComponentInspector(*this, open);
    }
}
