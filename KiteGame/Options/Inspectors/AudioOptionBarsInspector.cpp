// The volume bar has nothing to edit.
#include "Options/AudioOptionBars.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void AudioOptionBars::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Audio Option Bars");
    }
}
