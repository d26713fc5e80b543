// The time and weather system's inspector: day length, cloud limits and
// the cash clouds' money.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteFramework
{
    void TimeAndWeatherSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Time and Weather System");
        if (open)
        {
            InspectFloat("Time In Day", "##TimeInDay", timeInDay);
            InspectInt("Max no. of clouds", "##MaxClouds", maxClouds);
            InspectInt("Max no. of cash clouds", "##MaxCashClouds", maxCashClouds);
            InspectFloat("Interval to give money (chance based)", "##GiveMoneyInterval", giveMoneyInterval);
            InspectFloat("Threshold to spawn cash cloud", "##cashCloudThreshold_", cashCloudThreshold);
        }
        EndComponentInspector(*this, open);
    }
}
