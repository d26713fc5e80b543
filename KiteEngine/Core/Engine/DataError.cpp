// DataError: standard error plus the engine's log.
#include "Core/Engine/DataError.h"

#include <iostream>

#include "Core/Engine/DataErrorCollector.h"
#include "Core/Engine/Engine.h"

namespace KiteFramework
{
    void ReportDataError(const std::string& where, const std::string& what)
    {
        std::string line = where + ": " + what;
        // One line whatever the file names or a parser's message hold.
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                c = ' ';
        std::cerr << line << '\n';
        DataErrorCollector::Collect(line);
        if (ENGINE)
            ENGINE->logError(line);
    }
}
