// The slider's inspector: the volume it holds.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Options/Slider.h"

namespace KiteFramework
{
    void Slider::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Slider");
        if (open)
            ImGui::Text("Current Volume: %d", volume);
        EndComponentInspector(*this, open);
    }
}
