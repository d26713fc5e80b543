// The after-image of a dragged stall or seat has nothing to edit.
#include "Inspectors/InspectorFields.h"
#include "Building/DraggableAfterImage.h"

namespace KiteFramework
{
    void DraggableAfterImage::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Draggable After Image");
    }
}
