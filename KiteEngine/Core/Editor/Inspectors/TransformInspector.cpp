// Transform's inspector: position with depth, position relative to the
// parent, scale and rotation; any change rebuilds the matrix. It has no Remove.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Objects/GameObject.h"
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
            // Local to the parent's position; a top-level object's local
            // position is its position. An edit moves the object there.
            GameObject* parentObject = parented && GetOwner() ? GetOwner()->GetParent() : nullptr;
            const Transform* parent = parentObject ? parentObject->GetComponent<Transform>() : nullptr;
            const Vector2D origin = parent ? parent->translation : Vector2D();
            const Vector2D offset = parent ? localTranslation : translation;
            float local[3] = {offset.x, offset.y, zDepth};
            if (ImGui::InputFloat3("##Loctrans", local, "%.3f"))
            {
                SetTrans(origin.x + local[0], origin.y + local[1]);
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
