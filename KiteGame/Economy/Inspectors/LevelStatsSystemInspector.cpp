// The level statistics' inspector: the running figures as read-only texts,
// the money editable (the build buttons follow an edit at once).
#include <cstdio>
#include <string>

#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Economy/LevelStatsSystem.h"

namespace KiteFramework
{
    namespace
    {
        void Figure(const char* label, float value)
        {
            InspectorLabel(label);
            ImGui::Text("%f", static_cast<double>(value));
        }

        void Line(const char* label, const std::string& value)
        {
            InspectorLabel(label);
            ImGui::TextUnformatted(value.c_str());
        }
    }

    void LevelStatsSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Level Stats System");
        if (open)
        {
            Line("Customers Served:", std::to_string(CustomerServed));
            Figure("Average Waiting Time:", AverageWaitingTime);
            Figure("Total Waiting Time:", TotalWaitingTime);
            Figure("Gross Revenue:", GrossRevenue);
            Figure("Daily Upkeep:", DailyUpkeep);
            Figure("Likes:", Likes);
            InspectorLabel("Money:");
            if (ImGui::InputFloat("##money_", &Money, 0.0f, 0.0f, "%.3f"))
                MoneyChanged();
            Figure("Reputation:", Reputation);
            Line("Most Popular:", MostPopular);
            Line("Most Wanted:", MostWanted);
        }
        EndComponentInspector(*this, open);
    }
}
