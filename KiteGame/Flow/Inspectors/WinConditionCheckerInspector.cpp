// The all-levels-won check has nothing to edit.
#include "Flow/WinConditionChecker.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void WinConditionChecker::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Win Condition Checker");
    }
}
