// A speed button's inspector: the button block and the speed it sets.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "World/SpeedButton.h"

namespace KiteFramework
{
    void SpeedButton::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Speed Button");
        if (open)
        {
            BaseButton::RenderImGui();
            static const char* const speeds[] = {"Speed One", "Speed Two", "Speed Three", "None"};
            InspectCombo("Choose which speed", "##Speed List", speedButtonType, speeds, 4);
        }
        EndComponentInspector(*this, open);
    }
}
