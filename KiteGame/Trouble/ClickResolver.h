// ClickResolver: an object the player clicks until a trouble ends (a fire,
// a fight). Each click but the last shrinks it by one step, from its scale
// at start to finalScale at the last click, and shows a feedback archetype
// at the pointer; at the end the trouble's own ending runs once and the
// object goes.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class ClickResolver : public Script
    {
    public:
        ~ClickResolver() override;

        void Initialise() override;
        void ListFields(FieldVisitor& v) override;
        void OnMouseUp() override;

        int GetClicks() const { return clicks; }
        float GetScaleStep() const { return scaleStep; }

        int targetClickCount = 0;
        float finalScale = 0.0f;

    protected:
        ClickResolver(ComponentTypeId type, const char* feedbackArchetype);

        // Ends the trouble: Resolve once, then the object is destroyed.
        void End();
        bool HasEnded() const { return ended; }
        // What the trouble's end does before the object goes.
        virtual void Resolve() = 0;
        // A clone carries on with the original's step.
        void KeepStepIn(ClickResolver& copy) const { copy.scaleStep = scaleStep; }

    private:
        // Clicks needed; 0 or less counts as 1.
        int Target() const { return targetClickCount > 0 ? targetClickCount : 1; }

        const char* const feedbackArchetype;
        int clicks = 0;
        float scaleStep = 0.0f;
        bool ended = false;
        const Sprite* sprite = nullptr;
    };
}
