// Slider: an inert volume slider kept for scenes that carry one.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Slider : public Script
    {
    public:
        Slider();

        GameComponent* Clone() const override;
        void RenderImGui() override;

        int volume = 0;
    };
}
