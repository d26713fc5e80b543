// DataErrorCollector: the innermost live collector takes the reports.
#include "Core/Engine/DataErrorCollector.h"

namespace KiteFramework
{
    namespace
    {
        DataErrorCollector* innermost = nullptr;
    }

    DataErrorCollector::DataErrorCollector() : outer(innermost)
    {
        innermost = this;
    }

    DataErrorCollector::~DataErrorCollector()
    {
        innermost = outer;
    }

    void DataErrorCollector::Collect(const std::string& line)
    {
        if (innermost)
            innermost->lines.push_back(line);
    }
}
