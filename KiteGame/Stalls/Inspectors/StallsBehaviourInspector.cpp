// A stall's inspector: its level, basic earnings, timings, cost and busy
// flag.
#include <cstdint>

#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Stalls/StallsBehaviour.h"

namespace KiteFramework
{
    void StallsBehaviour::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Stalls Behaviour");
        if (open)
        {
            InspectorLabel("StallBehaviour");
            InspectUnsigned("Level", "##level", level);
            InspectorLabel("PlayerResources");
            InspectFloat("Money (5-20)", "##money", stallEarningsBasic.money);
            InspectFloat("Likes (3-15)", "##likes", stallEarningsBasic.likes);
            InspectFloat("Reputation (10-50)", "##reputation", stallEarningsBasic.reputation);
            InspectFloat("earningsMult", "##earningsMult", earningsMult);
            InspectFloat("serveTime", "##serveTime", serveTime);
            InspectFloat("foodConsumeTime", "##foodConsumeTime", foodConsumeTime);
            InspectFloat("Construction cost", "##constructionCost", constructionCost);
            ImGui::Checkbox("stall busy?", &busy_);
        }
        EndComponentInspector(*this, open);
    }
}
