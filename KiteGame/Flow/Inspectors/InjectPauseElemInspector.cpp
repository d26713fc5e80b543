// A pause menu element has nothing to edit.
#include "Flow/InjectPauseElem.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void InjectPauseElem::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Inject Pause Element");
    }
}
