// AudioOptionBars: marks its sprite as the volume bar (one column a step).
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class AudioOptionBars : public Script
    {
    public:
        AudioOptionBars();

        void Initialise() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Audio Option Bars"; }
    };
}
