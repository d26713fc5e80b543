// FullScreenCheckbox: the full-screen option; its images follow its state.
#pragma once

#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class FullScreenCheckbox : public Script
    {
    public:
        FullScreenCheckbox();

        void Initialise() override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Full Screen Checkbox"; }
        void OnMouseUp() override;

        bool IsTicked() const { return ticked; }

    private:
        void ShowImages() const;

        bool ticked = true;
    };
}
