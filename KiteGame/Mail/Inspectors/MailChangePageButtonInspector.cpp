// A page button's inspector: the button block and its direction.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Mail/MailChangePageButton.h"

namespace KiteFramework
{
    void MailChangePageButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Mail Change Page Button");
        if (open)
        {
            BaseButton::RenderImGui();
            InspectBool("Prev Page", "##PrevPage", prevPage);
        }
        EndComponentInspector(*this, open);
    }
}
