// PricedButton: a build button whose availability follows the money. The
// level statistics keep every one alive in the level and switch it on when
// the player can pay its cost.
#pragma once

#include <memory>

namespace KiteFramework
{
    class GameObject;

    class PricedButton
    {
    public:
        // Expires with the button: a list that holds it never calls a button
        // that is gone, whichever list the button was put in or copied to.
        using Handle = std::weak_ptr<PricedButton* const>;

        PricedButton();
        // A copy is a button of its own, with its own handle.
        PricedButton(const PricedButton& other);
        PricedButton& operator=(const PricedButton& other);
        virtual ~PricedButton();

        virtual float GetCost() const = 0;
        // The object whose ActivatePopupButton is switched; null when none.
        virtual GameObject* GetButtonObject() const = 0;

        Handle GetHandle() const { return life; }

    private:
        std::shared_ptr<PricedButton* const> life;
    };
}
