// Formatted debugger output.
#include "Core/Engine/DebugPrint.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "Platform/Platform.h"

namespace KiteFramework
{
    void DebugPrintHandler(const char* format, ...)
    {
        char buffer[1024];
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer, sizeof(buffer), format, args);
        va_end(args);
        Platform::DebugOutput(std::string(buffer) + "\n");
    }

    bool SignalErrorHandler(const char* expression, const char* file, int line, const char* format, ...)
    {
        char buffer[1024];
        int used = std::snprintf(buffer, sizeof(buffer), "%s(%d) : ", file ? file : "", line);
        if (used < 0)
            used = 0;
        if (used < static_cast<int>(sizeof(buffer)))
        {
            if (format)
            {
                va_list args;
                va_start(args, format);
                std::vsnprintf(buffer + used, sizeof(buffer) - used, format, args);
                va_end(args);
            }
            else
            {
                std::snprintf(buffer + used, sizeof(buffer) - used, "%s", "No Error Message");
            }
        }
        Platform::DebugOutput(std::string(buffer) + "\n");
        Platform::ShowMessageBox("Error", buffer);
        return true;
    }
}
