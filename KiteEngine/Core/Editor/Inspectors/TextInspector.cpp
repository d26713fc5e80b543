// Text's inspector: the string, colour, scale, offset and switches.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Graphics/Text.h"

namespace KiteFramework
{
    void Text::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Text");
        if (open)
        {
            InspectorLabel("RealText");
            std::string shown = text;
            if (InputTextOnEnter("##text", shown, 50))
                SetText(shown);
            InspectorLabel("Color");
            ImGui::ColorEdit3("##textCol", colour.data());
            InspectorLabel("Scale");
            ImGui::InputFloat("##textscale", &scale, 0.1f, 1.0f, "%.3f");
            InspectorLabel("Offset");
            ImGui::InputFloat2("##offset", &offSet.x, "%.3f");
            InspectorLabel("Render text");
            ImGui::Checkbox("##rendertext", &renderBool);
            InspectorLabel("Center text");
            ImGui::Checkbox("##centertext", &centralise);
        }
        EndComponentInspector(*this, open);
    }
}
