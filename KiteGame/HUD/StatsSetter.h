// StatsSetter: an empty marker on the statistics panel's objects.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StatsSetter : public Script
    {
    public:
        StatsSetter();
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Stats Setter"; }
    };
}
