// The trash controller's inspector: the collision layers of resting and
// dragged trash.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Trouble/TrashController.h"

namespace KiteFramework
{
    void TrashController::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Trash Controller");
        if (open)
        {
            InspectInt("Original Collision Layer", "##originalLayer", originalLayer);
            InspectInt("Dragged Collision Layer", "##draggedLayer", draggedLayer);
        }
        EndComponentInspector(*this, open);
    }
}
