// Collider2D's inspector: tag, shape, box extents and the debug outline.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Core/Physics/Collider2D.h"
#include "Core/Physics/ShapeAABB.h"

namespace KiteFramework
{
    void Collider2D::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Collider 2D");
        if (open)
        {
            ImGui::TextUnformatted("Collider Tag Index");
            ImGui::InputInt("##coltagindex", &colliderTag, 1, 100);
            ImGui::Text("Shape: %s", shapeName.c_str());
            if (ShapeAABB* box = Box())
            {
                ImGui::TextUnformatted("Half width");
                ImGui::InputFloat2("##extents", &box->extents.x, "%.3f");
            }
            InspectorLabel("Collider Debug Draw");
            ImGui::Checkbox("##colliderDebug", &debug);
        }
        EndComponentInspector(*this, open);
    }
}
