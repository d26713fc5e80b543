// DataError: standard error plus the engine's log.
#include "Core/Engine/DataError.h"

#include <iostream>

#include "Core/Engine/Engine.h"

namespace KiteFramework
{
    void ReportDataError(const std::string& where, const std::string& what)
    {
        const std::string line = where + ": " + what;
        std::cerr << line << '\n';
        if (ENGINE)
            ENGINE->logError(line);
    }
}
