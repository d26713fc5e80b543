// The missions are drawn in play: nothing to edit.
#include "Flow/QuestSystem.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void QuestSystem::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Quest System");
    }
}
