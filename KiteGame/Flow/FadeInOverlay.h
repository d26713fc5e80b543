// FadeInOverlay: a sprite that clears from opaque once, at scene start.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class Sprite;

    class FadeInOverlay : public Script
    {
    public:
        FadeInOverlay();

        void Initialise() override;
        void Update() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Fade In Overlay"; }

        float timer = 0.0f;
        float duration = 0.5f;

    private:
        Sprite* sprite = nullptr;
    };
}
