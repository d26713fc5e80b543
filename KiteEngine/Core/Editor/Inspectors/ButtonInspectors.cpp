// The toggle button's inspector, whose switches depend on one another, and
// the button block of the listing that such a panel opens with. The other
// button kinds and pop-ups show their listing.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Objects/FieldList.h"
#include "Core/UI/BaseButton.h"
#include "Core/UI/ToggleActiveButton.h"

namespace KiteFramework
{
    void BaseButton::DrawButtonFields()
    {
        FieldCollector block;
        BaseButton::ListFields(block);
        DrawFields(*this, block.fields);
    }

    void ToggleActiveButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Toggle Active Button");
        if (open)
        {
            DrawButtonFields();
            ImGui::Checkbox("Force close", &forceClose);
            ImGui::Checkbox("Toggle Child", &toggleChild);
            if (!toggleChild)
                ImGui::Checkbox("Toggle Parent", &toggleParent);
            if (!toggleChild && !toggleParent)
            {
                ImGui::TextUnformatted("Object name to toggle");
                std::string name = toggleObject;
                if (InputTextOnEnter("##objecttotoggle", name, 128))
                    SetToggleObject(name);
            }
            ImGui::TextUnformatted("Target object to turn off on mouse click");
            InputTextOnEnter("##objToDeactivate", objToDeactivate, 128);
            ImGui::TextUnformatted("Number of layers to toggle");
            ImGui::InputInt("##toggleNumOfLayers", &toggleNumOfLayers, 1, 100);
        }
        EndComponentInspector(*this, open);
    }
}
