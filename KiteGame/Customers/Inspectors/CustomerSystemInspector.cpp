// The customer system's inspector: every customer setting and the cap the
// spawn rate sets.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Customers/CustomerSystem.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void CustomerSystem::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Customer System");
        if (open)
        {
            InspectInt("Number of Customer Archetypes created", "##numArcheCreated", numArcheCreated);
            InspectFloat2("Random Displacement Range", "##randomDisplacementRange", randomDisplacementRange);
            InspectInt("Max Queue to not be interested", "##queueMax", queueMax);
            InspectBool("Are preferences allowed in this level", "##preferenceAllowed", preferenceAllowed);
            InspectInt("Min look around count", "##lookAroundfCountoutMin", lookAroundfCountoutMin);
            InspectInt("Max look around count", "##lookAroundfCountoutMax", lookAroundfCountoutMax);
            InspectInt("Look more for preferences", "##preferenceLookAroundCountoutBuff",
                       preferenceLookAroundCountoutBuff);
            InspectInt("Min good queue count", "##noQueuefCountoutMin", noQueuefCountoutMin);
            InspectInt("Max good queue count", "##noQueuefCountoutMax", noQueuefCountoutMax);
            InspectFloat("Feedback y offset", "##feedbackOffset", feedbackOffset);
            InspectFloat("Customer tabao chance", "##tabaoChance", tabaoChance);
            InspectFloat("Customer spawn trash chance", "##trashSpawnChance", trashSpawnChance);
            InspectFloat("Fight chance", "##fightChance", fightChance);
            InspectFloat("Fight timeout", "##fightTimeout", fightTimeout);
            InspectFloat2("Fight location offset", "##fightLocationOffset", fightLocationOffset);
            InspectInt("capset", "##capset", cap);
        }
        EndComponentInspector(*this, open);
    }
}
