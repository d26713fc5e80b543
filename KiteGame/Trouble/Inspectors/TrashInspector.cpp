// A piece of trash has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "Trouble/Trash.h"

namespace KiteFramework
{
    void Trash::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Trash");
    }
}
