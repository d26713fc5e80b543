// The fight resolver's inspector: how many clicks end it.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Trouble/FightResolver.h"

namespace KiteFramework
{
    void FightResolver::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Fight Resolver");
        if (open)
            InspectInt("Max Clicks", "##MaxCount", targetClickCount);
        EndComponentInspector(*this, open);
    }
}
