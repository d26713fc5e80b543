// LevelStatsSystem: one level's money, likes, reputation and running
// statistics, and the build buttons that follow the money.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class PricedButton;

    class LevelStatsSystem : public Script, public CurrentInstance<LevelStatsSystem>
    {
    public:
        LevelStatsSystem();
        LevelStatsSystem(const LevelStatsSystem& other);

        // The "=" key adds 500 money.
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Level Stats System"; }
        void FieldEdited(const FieldRef& field) override;

        // The only way the money changes during play: money += delta, then
        // the upgrade and spawn buttons follow.
        void ChangeMoney(float delta);
        float Money() const { return money; }
        // Puts the money at an amount (level set-up, tests), buttons following.
        void SetMoney(float amount) { ChangeMoney(amount - money); }
        // Switches every spawn button on when its cost is at most the money.
        void UpdateSpawnButtons();
        void AddSpawnButton(PricedButton* button);
        void RemoveSpawnButton(PricedButton* button);
        // The listed buttons still alive (one destroyed drops out by itself).
        std::size_t GetSpawnButtonCount() const;

        // Adds a served customer's queue wait; the average follows only when
        // at least one customer was served.
        void AddServedWait(float wait);

        int CustomerServed = 0;
        float seatWaitingTime = 0.0f;
        float AverageWaitingTime = 0.0f;
        float TotalWaitingTime = 0.0f;
        float GrossRevenue = 0.0f;
        float DailyUpkeep = 0.0f;
        float Likes = 0.0f;
        float Reputation = 0.0f;
        std::string MostPopular = "None";
        std::string MostWanted = "None";

    private:
        // The upgrade and spawn buttons follow the money (after any change).
        void MoneyChanged();

        float money = 0.0f;
        // Handles, not pointers: a copy of the system shares the buttons,
        // and a button gone is skipped by every list that held it.
        std::vector<std::weak_ptr<PricedButton* const>> spawnButtons;
    };
}
