// SpawnRateManager: standing levels to customer cap and spawn time.
#include "Customers/SpawnRateManager.h"

#include <cmath>
#include <limits>

#include "Core/Objects/FieldOps.h"
#include "Customers/CustomerSystem.h"
#include "Economy/SimulationSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    SpawnRateManager::SpawnRateManager() : Script(CT_SpawnRateManager) {}

    SpawnRateManager::SpawnRateManager(const SpawnRateManager& other) : Script(other) {}

    void SpawnRateManager::ListFields(FieldVisitor& v)
    {
        v.Add("likesRepWeightage", likesRepWeightage, {"Likes / Rep weightage", FieldWidget::Input, 0.0f});
        v.Add("rateModifierRate", rateModifierRate, {"How many standing per one level", FieldWidget::Input, 0.0f});
        v.Add("spawnTimeStep", spawnTimeStep, {"Spawn time inc/dec step", FieldWidget::Input, 0.0f});
        v.Add("customerCapStep", customerCapStep, {"Customer cap step", FieldWidget::Input, 1.0f});
        v.Add("startingLevel", startingLevel, {"What is the starting standing level", FieldWidget::Input, 1.0f});
        v.Add("minLevel", minLevel, {"Min level it can go to", FieldWidget::Input, 1.0f});
        v.Add("maxLevel", maxLevel, {"Max level it can go to", FieldWidget::Input, 1.0f});
        v.Add("startCustomerCap", startCustomerCap, {"Starting customer cap", FieldWidget::Input, 1.0f});
        v.Add("startMinSpawnTime", startMinSpawnTime, {"Starting min spawn time", FieldWidget::Input, 0.0f});
    }

    GameComponent* SpawnRateManager::Clone() const
    {
        // The current level starts at 0 in the copy.
        return CloneListed(*this);
    }

    void SpawnRateManager::Initialise()
    {
        Script::Initialise();
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->cap = startCustomerCap;
        if (SimulationSystem* simulation = SimulationSystem::Instance())
            simulation->minimumSpawnTime = startMinSpawnTime;
    }

    int SpawnRateManager::StandingLevel(float likes, float reputation) const
    {
        const float w = likesRepWeightage;
        const float standing = (1.0f - w) * reputation + w * likes;
        const float level = standing / rateModifierRate;
        // A zero rate or an overflowing standing gives no level: keep the
        // current one so that nothing changes.
        if (rateModifierRate == 0.0f || !std::isfinite(level) ||
            std::fabs(level) >= static_cast<float>(std::numeric_limits<int>::max()))
            return currentLevel;
        return static_cast<int>(level);
    }

    void SpawnRateManager::ApplyLevel(int level)
    {
        if (level == currentLevel || level < minLevel || level > maxLevel)
            return;
        if (CustomerSystem* customers = CustomerSystem::Instance())
            customers->cap = (level - startingLevel) * customerCapStep + startCustomerCap;
        if (SimulationSystem* simulation = SimulationSystem::Instance())
            simulation->minimumSpawnTime =
                startMinSpawnTime - static_cast<float>(level - startingLevel) * spawnTimeStep;
        currentLevel = level;
    }
}
