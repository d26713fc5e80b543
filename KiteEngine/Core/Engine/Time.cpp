// Time: clock texts for log lines.
#include "Core/Engine/Time.h"

#include <ctime>
#include <iostream>

namespace
{
    std::string Format(const char* format)
    {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char buffer[32] = {};
        std::strftime(buffer, sizeof(buffer), format, &local);
        return buffer;
    }
}

std::string Time::getTime()
{
    return Format("%a, %d.%m.%Y %H:%M:%S");
}

void Time::currentDateTime()
{
    std::cout << "Time: " << Format("%F %T") << std::endl;
}
