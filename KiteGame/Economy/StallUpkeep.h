// StallUpkeep: the daily cost of the placed stalls, paid at each dawn; the
// stalls system charges it, and with none nothing is paid.
#pragma once

namespace KiteFramework
{
    namespace StallUpkeep
    {
        void PayForTheDay();
    }
}
