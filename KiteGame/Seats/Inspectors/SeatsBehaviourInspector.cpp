// A seat's inspector: its places are run-time state, so only Remove.
#include "Inspectors/InspectorFields.h"
#include "Seats/SeatsBehaviour.h"

namespace KiteFramework
{
    void SeatsBehaviour::RenderImGui()
    {
        DrawRemoveOnlyInspector(*this, "Seats Behaviour");
    }
}
