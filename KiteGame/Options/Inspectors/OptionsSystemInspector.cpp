// The options' sound and image lists are edited in the scene's files.
#include "Options/OptionsSystem.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void OptionsSystem::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Options System");
    }
}
