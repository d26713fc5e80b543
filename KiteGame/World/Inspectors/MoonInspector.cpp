// The moon's inspector: the radii of its path.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "World/Moon.h"

namespace KiteFramework
{
    void Moon::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Moon");
        if (open)
        {
            InspectInt("Major Radius", "##majorRadius", majorRadius);
            InspectInt("Minor Radius", "##minorRadius", minorRadius);
        }
        EndComponentInspector(*this, open);
    }
}
