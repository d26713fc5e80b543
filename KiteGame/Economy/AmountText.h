// AmountText: the text of a shown amount: its whole part in decimal ("-50"
// for -50.7), safe for any float. ShortAmountText: the same in at most six
// characters for the HUD's small boxes ("1.2M" for 1234567).
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

    inline std::string ShortAmountText(float value)
    {
        if (std::isnan(value))
            return "0";
        const double whole = std::trunc(static_cast<double>(value));
        const double size = std::fabs(whole);
        const std::string sign = whole < 0.0 ? "-" : "";
        if (size < 100000.0)
            return AmountText(value);
        static const char* const units[] = {"K", "M", "B", "T"};
        double scaled = size;
        for (const char* unit : units)
        {
            scaled /= 1000.0;
            // Rounded down, so the shown amount is never more than there is.
            if (scaled < 10.0)
            {
                const double tenths = std::floor(scaled * 10.0);
                const std::string digits = std::to_string(static_cast<long long>(tenths));
                return sign + digits.substr(0, digits.size() - 1) + "." + digits.back() + unit;
            }
            if (scaled < 1000.0)
                return sign + std::to_string(static_cast<long long>(scaled)) + unit;
        }
        return sign + "999T+";
    }
}
