// SecondFloorIndicator: marks a placement node of the upper floor.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class SecondFloorIndicator : public Script
    {
    public:
        SecondFloorIndicator();
        ~SecondFloorIndicator() override;

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Second Floor Indicator"; }
    };
}
