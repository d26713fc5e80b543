// The simulation's inspector: the daylight threshold and the level's goals.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Economy/SimulationSystem.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void SimulationSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Simulation System");
        if (open)
        {
            // Daylight never goes above 1, so a higher threshold is never met.
            if (InspectFloat("Time Threshold", "##Threshold", treshold) && treshold > 1.0f)
                treshold = 1.0f;
            InspectInt("Goal Likes", "##GoalLikes", goalLikes);
            InspectInt("Goal Money", "##GoalMoney", goalMoney);
            InspectInt("Second Star Goal Likes", "##SecondGoalLikes", secondGoalLikes);
            InspectInt("Second Star Goal Money", "##SecondGoalMoney", secondGoalMoney);
            InspectInt("Losing condition: Less than (Money)", "##LoseMoney", loseMoney);
        }
        EndComponentInspector(*this, open);
    }
}
