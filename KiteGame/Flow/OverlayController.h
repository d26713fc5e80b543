// OverlayController: a full-screen sprite that fades in, holds, fades out
// and then loads a scene (or, reversed, clears, waits and darkens).
#pragma once

#include <string>

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class OverlayController : public Script
    {
    public:
        OverlayController();

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Overlay Controller"; }

        // Starts the fade over with the current settings (the first phase's
        // alpha and timer), without registering again.
        void Begin();

        int GetPhase() const { return phase; }
        float GetTimer() const { return timer; }

        // Stored fields.
        float fadeInDuration = 0.0f;
        float showDuration = 0.0f;
        float fadeOutDuration = 0.0f;
        std::string levelToLoad;
        bool reversed = false;

    private:
        void UpdateForward(float dt);
        void UpdateReversed(float dt);
        void SetAlpha(float a) const;
        void LoadNext() const;

        Sprite* sprite = nullptr;
        int phase = 0;
        float timer = 0.0f;
    };
}
