// The upgrade system's menus and buttons are run-time state: only Remove.
#include "Inspectors/InspectorFields.h"
#include "Building/UpgradeSystem.h"

namespace KiteFramework
{
    void UpgradeSystem::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Upgrade System");
    }
}
