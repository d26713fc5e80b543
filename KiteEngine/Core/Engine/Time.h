// Time: clock texts for log lines.
#pragma once

#include <string>

class Time
{
public:
    // Local time as "%a, %d.%m.%Y %H:%M:%S".
    static std::string getTime();
    // Prints "Time: " and the local time as "%F %T" to the standard output.
    static void currentDateTime();
};
