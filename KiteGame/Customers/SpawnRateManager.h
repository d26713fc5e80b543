// SpawnRateManager: turns the player's standing into a standing level and
// each level into a customer cap and a minimum spawn time.
#pragma once

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class SpawnRateManager : public Script, public CurrentInstance<SpawnRateManager>
    {
    public:
        SpawnRateManager();
        SpawnRateManager(const SpawnRateManager& other);

        // Sets the start cap and the start minimum spawn time.
        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Spawn Rate Manager "; }

        // The standing level of likes and reputation; 0 when
        // rateModifierRate is 0 or the standing is not a finite number.
        int StandingLevel(float likes, float reputation) const;
        // Applies level when it differs from the current one and lies within
        // minLevel..maxLevel: cap and minimum spawn time follow.
        void ApplyLevel(int level);
        int GetCurrentLevel() const { return currentLevel; }

        float likesRepWeightage = 0.0f;
        float rateModifierRate = 0.0f;
        float spawnTimeStep = 0.0f;
        int customerCapStep = 0;
        int startingLevel = 0;
        int minLevel = 0;
        int maxLevel = 0;
        int startCustomerCap = 0;
        float startMinSpawnTime = 0.0f;

    private:
        int currentLevel = 0;
    };
}
