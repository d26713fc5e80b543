// PlaytestAudioOption: a button that plays a random test sound.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class PlaytestAudioOption : public Script
    {
    public:
        PlaytestAudioOption();

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Playtest Audio Option"; }
        void OnMouseUp() override;
    };
}
