// A statistics figure's inspector: which figure it shows.
#include "Core/Editor/InspectorWidgets.h"
#include "HUD/StatsDisplay.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void StatsDisplay::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Stats Display");
        if (open)
        {
            static const char* const kinds[] = {"Customers Served", "Gross Revenue", "Average W.T.", "None"};
            InspectCombo("Choose stat to display", "##Stats Display List", statsType, kinds, 4);
        }
        EndComponentInspector(*this, open);
    }
}
