// PlayAfterTimer: starts its object's sound once, after a delay of real time.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class AudioSource;

    class PlayAfterTimer : public Script
    {
    public:
        PlayAfterTimer();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Play after timer"; }

        float timeToPlay = 0.0f;

    private:
        AudioSource* source = nullptr;
    };
}
