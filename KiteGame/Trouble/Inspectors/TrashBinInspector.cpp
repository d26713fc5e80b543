// A bin's inspector: its closed and open looks, typed or chosen from the
// loaded images.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Trouble/TrashBin.h"

namespace KiteFramework
{
    void TrashBin::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Trash Bin");
        if (open)
        {
            InspectImagePath("Bin Default Sprite (closed)", "##binDefaultSprite_", "binDefaultSprite_",
                             binDefaultSprite);
            InspectImagePath("Bin Open Sprite", "##binOpenSprite_", "binOpenSprite_", binOpenSprite);
        }
        EndComponentInspector(*this, open);
    }
}
