// The cheat script's inspector: the list of cheat keys.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Flow/CheatScript.h"

namespace KiteFramework
{
    void CheatScript::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Cheat Script");
        if (open)
        {
            static const char* const lines[] = {"---Cheat list---",
                                                " ",
                                                "Press\t'C'\tto spawn Cash Cloud",
                                                "Press\t'F'\tto set all STALLS on fire",
                                                "Press\t'F11'\tto load Level 1",
                                                "Press\t'F9'\tto load Level 2",
                                                " "};
            for (const char* line : lines)
                ImGui::TextUnformatted(line);
        }
        EndComponentInspector(*this, open);
    }
}
