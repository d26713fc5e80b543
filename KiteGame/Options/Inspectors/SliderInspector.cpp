// The slider's inspector: a label only; the volume it holds is not shown.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Options/Slider.h"

namespace KiteFramework
{
    void Slider::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Slider");
        if (open)
            ImGui::TextUnformatted("Current Volume: ");
        EndComponentInspector(*this, open);
    }
}
