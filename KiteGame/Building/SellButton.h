// SellButton: sells the stall whose menu holds it.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class StallsBehaviour;

    class SellButton : public BaseButton
    {
    public:
        SellButton();
        SellButton(const SellButton& other);

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Sell Button"; }
        void OnMouseUp() override;

        // The stall this button sells: set by hand, or the menu parent's parent.
        void SetStall(StallsBehaviour* stall);
        StallsBehaviour* GetStall() const;

    private:
        ObjectHandle stall;
    };
}
