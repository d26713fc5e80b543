// A build button's inspector: the archetype it spawns and where.
#include <imgui.h>

#include "Building/SpawnButton.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    void SpawnButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Spawn Buttton");
        if (open)
        {
            InspectorLabel("SpawnButton");
            ImGui::TextUnformatted("Archetype to spawn");
            InputTextOnEnter("##toBeSpawned_", toBeSpawned_, 256);
            ImGui::TextUnformatted("Spawn Location");
            ImGui::InputFloat2("##spawnLocation_", &spawnLocation_.x, "%.3f");
        }
        EndComponentInspector(*this, open);
    }
}
