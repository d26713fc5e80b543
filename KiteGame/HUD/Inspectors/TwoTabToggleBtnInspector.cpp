// A tab button's inspector: the button block and the two objects it swaps.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/TwoTabToggleBtn.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void TwoTabToggleBtn::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Two Tab Toggle Button");
        if (open)
        {
            BaseButton::RenderImGui();
            InspectTextOnEnter("Object name to set active ", "##togglerName", togglerName, 128);
            InspectTextOnEnter("Object name to deactivate ", "##otherObjName", toggleeName, 128);
        }
        EndComponentInspector(*this, open);
    }
}
