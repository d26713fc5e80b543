// PricedButton: each button's own handle, made with it and ended with it.
#include "Economy/PricedButton.h"

namespace KiteFramework
{
    PricedButton::PricedButton() : life(std::make_shared<PricedButton* const>(this)) {}

    PricedButton::PricedButton(const PricedButton&) : PricedButton() {}

    PricedButton& PricedButton::operator=(const PricedButton&)
    {
        return *this;
    }

    PricedButton::~PricedButton() = default;
}
