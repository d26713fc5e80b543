// The Escape key's pause has nothing to edit.
#include "Flow/EscapePauseBehaviour.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void EscapePauseBehaviour::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Escape Pause Behaviour");
    }
}
