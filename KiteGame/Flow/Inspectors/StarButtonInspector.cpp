// A star button's inspector: the toggle button's panel and the object shown
// while the pointer is over the star.
#include "Core/Editor/InspectorWidgets.h"
#include "Flow/StarButton.h"

namespace KiteFramework
{
    void StarButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Star Button");
        if (open)
        {
            ToggleActiveButton::RenderImGui();
            DrawListedFields(*this, {"objToHover"});
        }
        EndComponentInspector(*this, open);
    }
}
