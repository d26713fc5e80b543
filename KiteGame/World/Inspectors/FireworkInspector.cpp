// A firework has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "World/Firework.h"

namespace KiteFramework
{
    void Firework::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Firework");
    }
}
