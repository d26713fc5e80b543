// AmountText: the text of a shown amount: its whole part in decimal ("-50"
// for -50.7), safe for any float.
#pragma once

#include <cmath>
#include <string>

namespace KiteFramework
{
    inline std::string AmountText(float value)
    {
        if (std::isnan(value))
            return "0";
        const double whole = std::trunc(static_cast<double>(value));
        // Amounts beyond a long long are shown at its limit, not converted
        // with undefined behaviour.
        if (whole >= 9.2e18)
            return std::to_string(9200000000000000000LL);
        if (whole <= -9.2e18)
            return std::to_string(-9200000000000000000LL);
        return std::to_string(static_cast<long long>(whole));
    }
}
