// A stall's inspector: its level, basic earnings, timings, cost and busy
// flag.
#include <cstdint>

#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    void StallsBehaviour::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Stalls Behaviour");
        if (open)
        {
            InspectorLabel("StallBehaviour");
            InspectorLabel("Level");
            const std::uint32_t small = 1u;
            const std::uint32_t big = 100u;
            ImGui::InputScalar("##level", ImGuiDataType_U32, &level, &small, &big);
            // The basic earnings are one record in files, three figures here.
            InspectorLabel("PlayerResources");
            InspectorLabel("Money (5-20)");
            ImGui::InputFloat("##money", &stallEarningsBasic.money, 0.0f, 0.0f, "%.3f");
            InspectorLabel("Likes (3-15)");
            ImGui::InputFloat("##likes", &stallEarningsBasic.likes, 0.0f, 0.0f, "%.3f");
            InspectorLabel("Reputation (10-50)");
            ImGui::InputFloat("##reputation", &stallEarningsBasic.reputation, 0.0f, 0.0f, "%.3f");
            DrawListedFields(*this, {"earningsMult", "serveTime", "foodConsumeTime"});
            DrawListedFields(*this, {"constructionCost"});
            ImGui::Checkbox("stall busy?", &busy_);
        }
        EndComponentInspector(*this, open);
    }
}
