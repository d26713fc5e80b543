// PricedButton: a build button whose availability follows the money. The
// level statistics keep every one alive in the level and switch it on when
// the player can pay its cost.
#pragma once

namespace KiteFramework
{
    class GameObject;

    class PricedButton
    {
    public:
        virtual ~PricedButton();
        virtual float GetCost() const = 0;
        // The object whose ActivatePopupButton is switched; null when none.
        virtual GameObject* GetButtonObject() const = 0;
    };
}
