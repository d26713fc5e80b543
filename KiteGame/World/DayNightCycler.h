// DayNightCycler: puts its object's sprite on the day-night fade list and
// takes it off again before the object goes.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class DayNightCycler : public Script
    {
    public:
        DayNightCycler();
        ~DayNightCycler() override;

        void Initialise() override;
        void OnStart() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "DayNightCycler"; }

        // Takes the sprite off the list (once initialised).
        void RemoveFromCycle();

    private:
        Sprite* sprite = nullptr;
    };
}
