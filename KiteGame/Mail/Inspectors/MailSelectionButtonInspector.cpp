// A mail entry's inspector: the toggle button's panel, its mail type and
// its letter number (shown, not edited: the letter is picked when it is sent).
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Mail/MailSelectionButton.h"

namespace KiteFramework
{
    void MailSelectionButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Mail Selection Button");
        if (open)
        {
            ToggleActiveButton::RenderImGui();
            DrawListedFields(*this, {"type", "msg_id"});
        }
        EndComponentInspector(*this, open);
    }
}
