// The fire controller's inspector: chances, panic and spread timings. The
// running chance and timer follow an edit of their start values, so a change
// shows at once in a playing level.
#include "Core/Editor/InspectorWidgets.h"
#include "Inspectors/InspectorFields.h"
#include "Trouble/FireController.h"

namespace KiteFramework
{
    void FireController::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Fire Controller");
        if (open)
        {
            if (InspectFloat("Base chance of fire", "##baseChance_", baseChance))
                fireChance = baseChance;
            InspectFloat("Chance increment value", "##chanceIncrement_", chanceIncrement);
            InspectFloat("How much likes to decrement per customer", "##likesToDecrement_", likesToDecrement);
            InspectFloat("How fast the customer will go out of the scene", "##speedMultiplier_", speedMultiplier);
            InspectFloat("Random other stall fire", "##fireAffectOtherStallsTimer_", fireAffectOtherStallsTimer);
            if (InspectFloat("Time to cause fire widespread panic initial reset",
                             "##fireCauseWidespreadPanicTimeoutInitial_", fireCauseWidespreadPanicTimeoutInitial) &&
                burningCount == 0)
                fireTimer = fireCauseWidespreadPanicTimeoutInitial;
        }
        EndComponentInspector(*this, open);
    }
}
