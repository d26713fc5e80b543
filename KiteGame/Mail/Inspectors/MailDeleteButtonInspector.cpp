// A delete button's inspector: the button block and the slot it empties.
#include "Core/Editor/InspectorWidgets.h"
#include "Mail/MailDeleteButton.h"

namespace KiteFramework
{
    void MailDeleteButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Mail Delete Button");
        if (open)
        {
            BaseButton::RenderImGui();
            DrawListedFields(*this, {"index"});
        }
        EndComponentInspector(*this, open);
    }
}
