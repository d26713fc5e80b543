// Firework: a short effect at a random place that ends after two seconds of
// real time, also while the game is paused.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Firework : public Script
    {
    public:
        Firework();

        void Initialise() override;
        void Update() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Firework"; }

        float remaining = 0.0f;
    };
}
