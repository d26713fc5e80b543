// FadeOutFeedback: moves its object by a set amount while fading it out,
// then destroys it; runs on real time, so also during a pause. Floating
// amounts and effects end this way.
#pragma once

#include "Core/Math/Vector2D.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class FadeOutFeedback : public Script
    {
    public:
        FadeOutFeedback();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fade Out Feedback"; }

        Vector2D translation;
        float timing = 0.0f;
        float totalTime = 0.0f;

    protected:
        explicit FadeOutFeedback(ComponentTypeId type) : Script(type) {}
        // What the effect changes each frame, by the share dt / total time.
        virtual void Move(float share);
        void Fade();

        Sprite* sprite = nullptr;
    };
}
