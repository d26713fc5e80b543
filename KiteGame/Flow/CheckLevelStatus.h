// CheckLevelStatus: enables a level-select button only when its level is
// unlocked.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class CheckLevelStatus : public Script
    {
    public:
        CheckLevelStatus();

        void OnStart() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Check Level Status"; }

        // 1 to 3: "Level 1" to "Level 3"; 0 is none.
        int levelid = 0;
    };
}
