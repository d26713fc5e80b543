// ReportOnce: level data faults that every customer would meet (a missing
// archetype, a graph without entrances) are reported once per run.
#pragma once

#include <set>
#include <string>

#include "Core/Engine/DataError.h"

namespace KiteFramework
{
    inline void ReportOnce(const std::string& where, const std::string& what)
    {
        static std::set<std::string> said;
        if (said.insert(where + ": " + what).second)
            ReportDataError(where, what);
    }
}
