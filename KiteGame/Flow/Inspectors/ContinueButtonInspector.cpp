// The continue button's inspector: its own node holding the whole panel of
// the system call button it is (that panel's node, listed fields and Remove).
#include "Core/Editor/InspectorWidgets.h"
#include "Flow/ContinueButton.h"

namespace KiteFramework
{
    void ContinueButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Continue Button");
        if (open)
            DrawDefaultInspector(*this);
        EndComponentInspector(*this, open);
    }
}
