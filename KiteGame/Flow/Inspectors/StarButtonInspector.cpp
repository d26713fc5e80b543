// A star button's inspector: the toggle button's panel and the object shown
// while the pointer is over the star.
#include "Core/Editor/InspectorWidgets.h"
#include "Flow/StarButton.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void StarButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Star Button");
        if (open)
        {
            ToggleActiveButton::RenderImGui();
            InspectTextOnEnter("Object name to hover", "##starObjPopUpName", objToHover, 128);
        }
        EndComponentInspector(*this, open);
    }
}
