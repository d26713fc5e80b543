// The stall menu's button maker has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "Building/InstantiateUpgradeButton.h"

namespace KiteFramework
{
    void InstantiateUpgradeButton::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Instantiate Upgrade Button");
    }
}
