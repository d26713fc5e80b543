// The level lock's inspector: which level's unlock flag opens the button.
#include "Core/Editor/InspectorWidgets.h"
#include "Flow/CheckLevelStatus.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void CheckLevelStatus::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Check Level Status");
        if (open)
        {
            static const char* const levels[] = {"-", "Level 1", "Level 2", "Level 3"};
            InspectCombo("Level ID", "##levelid", levelid, levels, 4);
        }
        EndComponentInspector(*this, open);
    }
}
