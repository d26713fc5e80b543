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
        void Update() override;
        GameComponent* Clone() const override;
        void RenderImGui() override;
        void OnMouseUp() override;

        bool IsTicked() const { return ticked; }

    private:
        void ShowImages() const;

        bool ticked = true;
    };
}
