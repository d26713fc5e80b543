// The test sound button has nothing to edit.
#include "Options/PlaytestAudioOption.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void PlaytestAudioOption::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Playtest Audio Option");
    }
}
