// DaylightSource: what gives the level its daylight (the day-night cycle).
// The simulation reads the current source; with none it is full daylight.
#pragma once

#include "Economy/InEffect.h"

namespace KiteFramework
{
    class DaylightSource : public InEffect<DaylightSource>
    {
    public:
        // From 0 (night) to 1 (full daylight).
        virtual float GetDaylight() const = 0;

    protected:
        virtual ~DaylightSource() = default;
    };
}
