// PricedButton: the interface's out-of-line destructor.
#include "Economy/PricedButton.h"

namespace KiteFramework
{
    PricedButton::~PricedButton() = default;
}
