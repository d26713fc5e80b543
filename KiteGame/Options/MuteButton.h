// MuteButton: toggles the master mute; an overlay shows the muted state.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class MuteButton : public Script
    {
    public:
        MuteButton();

        void Initialise() override;
        void OnStart() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Mute Button Script"; }
        void OnMouseUp() override;

        void ShowOverlay(bool shown) const;
        bool IsOverlayShown() const;

    private:
        ObjectHandle overlay;
    };
}
