// EscapePauseBehaviour: Escape toggles the pause menu.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class EscapePauseBehaviour : public Script
    {
    public:
        EscapePauseBehaviour();

        void Update() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Escape Pause Behaviour"; }
    };
}
