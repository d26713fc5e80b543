// A volume button's inspector: whether it raises or lowers the volume.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Options/VolumeOptionScript.h"

namespace KiteFramework
{
    void VolumeOptionScript::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Volume Option Script");
        if (open)
            InspectBool("Is button increasing audio?", "##increment_", increment);
        EndComponentInspector(*this, open);
    }
}
