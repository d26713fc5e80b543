// FireResolver: on a burning stall's fire; the player clicks it until the
// fire goes out. Each click but the last shrinks it.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;
    class StallsBehaviour;

    class FireResolver : public Script
    {
    public:
        FireResolver();
        ~FireResolver() override;

        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fire Resolver"; }
        void OnMouseUp() override;

        // The burning stall (set by the stall when it catches fire).
        void SetStall(StallsBehaviour* stall);
        StallsBehaviour* GetStall() const;
        // The stall opens again, the burning count falls and the fire goes.
        void PutOut();

        int GetClicks() const { return clicks; }
        float GetScaleStep() const { return scaleStep; }
        bool IsOut() const { return out; }

        int targetClickCount = 0;
        float finalScale = 0.0f;

    private:
        ObjectHandle stall;
        int clicks = 0;
        float scaleStep = 0.0f;
        bool out = false;
        const Sprite* sprite = nullptr;
    };
}
