// A page button's inspector: the button block and its direction.
#include "Core/Editor/InspectorWidgets.h"
#include "Mail/MailChangePageButton.h"

namespace KiteFramework
{
    void MailChangePageButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Mail Change Page Button");
        if (open)
        {
            BaseButton::RenderImGui();
            DrawListedFields(*this, {"prevPage"});
        }
        EndComponentInspector(*this, open);
    }
}
