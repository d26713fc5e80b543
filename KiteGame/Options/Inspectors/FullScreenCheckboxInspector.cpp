// The full-screen box follows the window: nothing to edit.
#include "Options/FullScreenCheckbox.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void FullScreenCheckbox::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Full Screen Checkbox");
    }
}
