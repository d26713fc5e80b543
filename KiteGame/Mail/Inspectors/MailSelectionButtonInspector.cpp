// A mail entry's inspector: the toggle button's panel, its mail type and
// its letter number (shown, not edited: the letter is picked when it is sent).
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Mail/MailSelectionButton.h"

namespace KiteFramework
{
    void MailSelectionButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Mail Selection Button");
        if (open)
        {
            ToggleActiveButton::RenderImGui();
            InspectInt("Type", "##type", type);
            int shown = static_cast<int>(msg_id);
            InspectInt("msg id", "##msg id", shown);
        }
        EndComponentInspector(*this, open);
    }
}
