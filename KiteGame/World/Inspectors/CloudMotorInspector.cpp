// A cloud's inspector: the ranges an ordinary cloud draws from and the
// cash cloud's settings.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "World/CloudMotor.h"

namespace KiteFramework
{
    void CloudMotor::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "CloudMotor");
        if (open)
        {
            InspectFloat2("Starting Position Horizontal Range", "##minMaxStartPosX_", minMaxStartPosX);
            InspectFloat2("Starting Position Vertical Range", "##minMaxStartPosY_", minMaxStartPosY);
            InspectFloat2("Depth Range", "##minMaxDepth_", minMaxDepth);
            InspectFloat2("Speed Range", "##minMaxSpeed_", minMaxSpeed);
            InspectFloat2("Lifetime Range", "##minMaxLifeTime_", minMaxLifeTime);
            InspectFloat("Time To fade", "##timeToFade_", timeToFade);
            InspectFloat("Cash Cloud lifetime", "##lifeTimeOfCashCloud_", lifeTimeOfCashCloud);
            InspectFloat2("Cash Cloud Base Starting Pos", "##cashCloudBaseStartingPos_", cashCloudBaseStartingPos);
            InspectFloat2("Cash Cloud Pos Range", "##cashCloudRange_", cashCloudRange);
            InspectFloat2("Cash Cloud Scale", "##cashCloudScale_", cashCloudScale);
            InspectFloat2("Cash Cloud Speed", "##cashCloudSpeed_", cashCloudSpeed);
            InspectFloat("Cash Cloud Added Money", "##cashCloudMoneyToAdd_", cashCloudMoneyToAdd);
        }
        EndComponentInspector(*this, open);
    }
}
