// InstantiateUpgradeButton: builds a stall menu's buttons and level text
// under a scene object at start, hidden.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class InstantiateUpgradeButton : public Script
    {
    public:
        InstantiateUpgradeButton();

        void Initialise() override {}
        void OnStart() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Instantiate Upgrade Button"; }
    };
}
