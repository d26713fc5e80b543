// The stall menu's sell button: the button block; its stall is found in play.
#include "Building/SellButton.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    void SellButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Sell Button");
        if (open)
            BaseButton::RenderImGui();
        EndComponentInspector(*this, open);
    }
}
