// The continue button's inspector: the system call button's own panel.
#include "Core/Editor/InspectorWidgets.h"
#include "Flow/ContinueButton.h"

namespace KiteFramework
{
    void ContinueButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Continue Button");
        if (open)
            SystemCallButton::RenderImGui();
        EndComponentInspector(*this, open);
    }
}
