// AmountText: how the game shows an amount: its whole part (truncated toward
// zero) in decimal; a value too large for a whole number shows its limit.
#pragma once

#include <cmath>
#include <limits>
#include <string>

namespace KiteFramework
{
    inline long long WholePart(double value)
    {
        if (std::isnan(value))
            return 0;
        constexpr double limit = 9.0e18;
        if (value >= limit)
            return static_cast<long long>(limit);
        if (value <= -limit)
            return -static_cast<long long>(limit);
        return static_cast<long long>(value);
    }

    inline std::string AmountText(double value)
    {
        return std::to_string(WholePart(value));
    }
}
