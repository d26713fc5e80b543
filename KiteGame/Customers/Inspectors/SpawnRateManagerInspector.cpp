// The spawn rate's inspector: how standing turns into levels, caps and
// spawn times.
#include <imgui.h>

#include "Core/Editor/InspectorWidgets.h"
#include "Customers/SpawnRateManager.h"
#include "Inspectors/InspectorFields.h"

namespace KiteFramework
{
    void SpawnRateManager::RenderImGui()
    {
        const bool open = BeginComponentInspector(*this, "Spawn Rate Manager ");
        if (open)
        {
            InspectFloat("Likes / Rep weightage", "##likesRepWeightage", likesRepWeightage);
            InspectFloat("How many standing per one level", "##rateModifierRate", rateModifierRate);
            InspectFloat("Spawn time inc/dec step", "##spawnTimeStep", spawnTimeStep);
            InspectInt("Customer cap step", "##customerCapStep", customerCapStep);
            InspectInt("What is the starting standing level", "##startingLevel", startingLevel);
            InspectInt("Min level it can go to", "##minLevel", minLevel);
            InspectInt("Max level it can go to", "##maxLevel", maxLevel);
            InspectInt("Starting customer cap", "##startCustomerCap", startCustomerCap);
            InspectFloat("Starting min spawn time", "##startMinSpawnTime", startMinSpawnTime);
        }
        EndComponentInspector(*this, open);
    }
}
