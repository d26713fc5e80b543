// What a start-up wrote to stderr beyond its progress lines ("Engine
// initialised.", "System: ... initialised."): the report lines alone.
#pragma once

#include <sstream>
#include <string>

namespace KiteTest
{
    inline std::string ReportLines(const std::string& text)
    {
        const std::string done = " initialised.";
        std::istringstream lines(text);
        std::string reports;
        for (std::string line; std::getline(lines, line);)
        {
            const bool progress = line == "Engine initialised." ||
                                  (line.rfind("System: ", 0) == 0 && line.size() > done.size() &&
                                   line.compare(line.size() - done.size(), done.size(), done) == 0);
            if (!progress)
                reports += line + "\n";
        }
        return reports;
    }
}
