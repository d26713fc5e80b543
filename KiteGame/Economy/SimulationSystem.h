// SimulationSystem: creates customers at a rate that follows the daylight,
// keeps the likes and money texts current, and ends the level: won when the
// quests are all done, lost when the money falls below loseMoney.
#pragma once

#include <string>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Text;

    class SimulationSystem : public Script, public CurrentInstance<SimulationSystem>
    {
    public:
        enum EndState : int
        {
            NotStarted = 0,
            Lost = 1,
            Won = 2,
            Running = 3,
            Continued = 4
        };

        SimulationSystem();
        SimulationSystem(const SimulationSystem& other);

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Simulation System"; }
        void FieldEdited(const FieldRef& field) override;

        // The Text of "MaintenanceCostText", or null (stall code fills it).
        Text* GetMaintenanceText() const;
        void SetMaintenanceText(const std::string& text);

        float GetSpawnCountdown() const { return spawnCountdown; }
        void SetSpawnCountdown(float c) { spawnCountdown = c; }
        bool HasEnded() const { return ended; }

        // Stored settings.
        float treshold = 0.0f;
        int goalLikes = 0;
        int goalMoney = 0;
        int secondGoalLikes = 0;
        int secondGoalMoney = 0;
        int loseMoney = 0;

        // Run-time state other parts read and write.
        float minimumSpawnTime = 0.0f;
        int endState = NotStarted;

    private:
        void CheckEnd();
        void Win();
        void Lose();
        void UpdateTexts();
        void SpawnClock();
        // Daylight from 0 to 1: full daylight while the level has no
        // day-night cycle.
        float Daylight() const;
        // The quest stage: none is reached while the level has no quests.
        int QuestStage() const;

        float spawnCountdown = 0.0f;
        ObjectHandle likesText;
        ObjectHandle moneyText;
        ObjectHandle maintenanceText;
        bool ended = false;
    };
}
