// Formatted debugger output.
#pragma once

namespace KiteFramework
{
    // Formats into 1024 bytes (truncating) and writes the line to the
    // debugger output.
    void DebugPrintHandler(const char* format, ...) __attribute__((format(printf, 1, 2)));
    // "file(line) : message" to the debugger output and an "Error" message
    // box; returns true.
    bool SignalErrorHandler(const char* expression, const char* file, int line, const char* format, ...)
        __attribute__((format(printf, 4, 5)));
}
