// The stall menu's upgrade button: the button block; its number is run-time.
#include "Building/UpgradeButton.h"
#include "Core/Editor/InspectorWidgets.h"

namespace KiteFramework
{
    void UpgradeButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Upgrade Button");
        if (open)
            BaseButton::RenderImGui();
        EndComponentInspector(*this, open);
    }
}
