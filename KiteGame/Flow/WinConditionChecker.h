// WinConditionChecker: shows its object once every level is unlocked.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class WinConditionChecker : public Script
    {
    public:
        WinConditionChecker();

        void OnStart() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Win Condition Checker"; }
    };
}
