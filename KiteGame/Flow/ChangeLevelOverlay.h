// ChangeLevelOverlay: makes a scene-change button end in a one-second fade
// to opaque instead of an abrupt switch.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class ChangeLevelOverlay : public Script
    {
    public:
        ChangeLevelOverlay();

        void Initialise() override;
        void Update() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Change Level Overlay"; }

        bool HasOverlay() const { return made; }

    private:
        bool made = false;
    };
}
