// The tutorial's steps are its own: nothing to edit.
#include "Flow/TutorialSystem.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void TutorialSystem::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Tutorial System");
    }
}
