// CheatScript: the keys 1, 2 and 3 unlock the levels.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class CheatScript : public Script
    {
    public:
        CheatScript();

        void Update() override;
        GameComponent* Clone() const override;
        void RenderImGui() override;
    };
}
