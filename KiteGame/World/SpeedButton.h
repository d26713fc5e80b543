// SpeedButton: sets the game speed to 1, 2 or 4 times and moves the shared
// "SpeedIndicator" marker under itself.
#pragma once

#include "Core/Objects/ObjectHandle.h"
#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class SpeedButton : public BaseButton
    {
    public:
        enum SpeedType : int
        {
            SpeedOne = 0,
            SpeedTwo = 1,
            SpeedThree = 2,
            None = 3
        };

        SpeedButton();
        SpeedButton(const SpeedButton& other);

        void Initialise() override;
        // The button keys, then the speed it sets.
        void ListFields(FieldVisitor& fields) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Speed Button"; }
        void OnMouseUp() override;

        int speedButtonType = SpeedOne;

    private:
        ObjectHandle indicator;
    };
}
