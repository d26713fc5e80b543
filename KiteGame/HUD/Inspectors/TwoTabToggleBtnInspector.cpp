// A tab button's inspector: the button block and the two objects it swaps.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/TwoTabToggleBtn.h"

namespace KiteFramework
{
    void TwoTabToggleBtn::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Two Tab Toggle Button");
        if (open)
        {
            BaseButton::RenderImGui();
            DrawListedFields(*this, {"togglerName", "toggleeName"});
        }
        EndComponentInspector(*this, open);
    }
}
