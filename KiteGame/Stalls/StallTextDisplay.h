// StallTextDisplay: on a build-menu entry, shows the purchase price and the
// daily upkeep of the stall or seat type the entry's name carries, read
// from the stall or seat table.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StallTextDisplay : public Script
    {
    public:
        StallTextDisplay();
        ~StallTextDisplay() override;

        void Initialise() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Instantiate Stall Text Display"; }
    };
}
