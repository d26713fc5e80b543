// The synergy system's inspector: the synergies it knows, as text.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Stalls/StallsSynergySystem.h"

namespace KiteFramework
{
    void StallsSynergySystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Stalls Synergy System");
        if (open)
        {
            ImGui::NewLine();
            ImGui::TextUnformatted("Available Synergies:");
            ImGui::NewLine();
            for (const Synergy& s : synergies)
            {
                ImGui::TextUnformatted(s.name.c_str());
                ImGui::Text("Effect: %s", s.effect.c_str());
                ImGui::Text("Stall 1 Index: %d", s.stall1);
                ImGui::Text("Stall 2 Index: %d", s.stall2);
                ImGui::Text("Tier: %u", static_cast<unsigned>(s.tier));
                ImGui::NewLine();
            }
        }
        EndComponentInspector(*this, open);
    }
}
