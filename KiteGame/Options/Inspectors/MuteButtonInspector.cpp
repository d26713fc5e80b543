// The mute button has nothing to edit.
#include "Options/MuteButton.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void MuteButton::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Mute Button Script");
    }
}
