// A stall's upgrade settings: cost, countdown, multipliers and time.
#include "Building/UpgradeBehaviour.h"
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void UpgradeBehaviour::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Upgrade Behaviour");
        if (open)
        {
            InspectFloat("Upgrade cost", "##upgradeCost", upgradeCost);
            InspectUnsigned("Upgrade Countdown", "##upgradeCountdown", upgradeCountdown);
            InspectFloat("Upgrade cost multiplier", "##upgradeCostMultiplier", upgradeCostMultiplier);
            InspectFloat("Upgrade Benefit multiplier", "##upgradeBenefitMultiplier", upgradeBenefitMultiplier);
            InspectFloat("Upgrade Time", "##upgradeTime", upgradeTime);
        }
        EndComponentInspector(*this, open);
    }
}
