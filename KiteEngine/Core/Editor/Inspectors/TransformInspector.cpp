// Transform's inspector: position with depth, local position, scale and
// rotation; any change rebuilds the matrix. It has no Remove.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Objects/Transform.h"

namespace KiteFramework
{
    void Transform::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Transform");
        if (open)
        {
            bool changed = false;
            InspectorLabel("Translation");
            float position[3] = {translation.x, translation.y, zDepth};
            if (ImGui::InputFloat3("##trans", position, "%.3f"))
            {
                SetTrans(position[0], position[1]);
                zDepth = position[2];
                changed = true;
            }
            InspectorLabel("Local Translation");
            float local[3] = {localTranslation.x, localTranslation.y, zDepth};
            if (ImGui::InputFloat3("##Loctrans", local, "%.3f"))
            {
                localTranslation = Vector2D(local[0], local[1]);
                zDepth = local[2];
                changed = true;
            }
            InspectorLabel("Scale");
            changed = ImGui::InputFloat2("##scale", &scale.x, "%.3f") || changed;
            InspectorLabel("Rotation");
            changed = ImGui::InputFloat("##rota", &rotation, 1.0f, 10.0f, "%.3f") || changed;
            if (changed)
                dirty = true;
        }
        EndComponentInspector(*this, open, false);
    }
}
