// The fire resolver's inspector: how many clicks end it.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Trouble/FireResolver.h"

namespace KiteFramework
{
    void FireResolver::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Fire Resolver");
        if (open)
            InspectInt("Max Clicks", "##MaxCount", targetClickCount);
        EndComponentInspector(*this, open);
    }
}
