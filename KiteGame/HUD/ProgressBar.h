// ProgressBar: a bar that grows towards a goal: the level's money or likes
// goal, or the end of a stall's upgrade (which then removes the bar).
#pragma once

#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class UpgradeBehaviour;

    class ProgressBar : public Script
    {
    public:
        enum BarType : int
        {
            Money = 0,
            Likes = 1,
            Upgrade = 2,
            None = 3
        };

        ProgressBar();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "ProgressBar"; }

        // An upgrade bar reads this behaviour's timer against goal seconds.
        void SetUpgradeSource(UpgradeBehaviour* source, float goalSeconds);

        int type = None;
        float maxBarXScale = 0.0f;
        float barHeight = 0.0f;
        float goal = 0.0f;
        float progress = 0.0f;
        Vector2D startPosition;

    private:
        void ShowProgress();
        // Whether the upgrade bar has reached its end (and removed itself).
        void UpdateUpgrade();

        // The object of the upgrade behaviour (it may go first).
        ObjectHandle upgradeSource;
    };
}
