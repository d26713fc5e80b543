// DataErrorCollector: keeps a copy of every data report made while it lives,
// so that a caller can tell whether an operation read its data cleanly and
// show the reports where the user looks (the editor's console). Collectors
// nest; only the innermost one collects.
#pragma once

#include <string>
#include <vector>

namespace KiteFramework
{
    class DataErrorCollector
    {
    public:
        DataErrorCollector();
        ~DataErrorCollector();
        DataErrorCollector(const DataErrorCollector&) = delete;
        DataErrorCollector& operator=(const DataErrorCollector&) = delete;

        const std::vector<std::string>& Lines() const { return lines; }

        // Called by ReportDataError with the line it reported.
        static void Collect(const std::string& line);

    private:
        DataErrorCollector* outer;
        std::vector<std::string> lines;
    };
}
