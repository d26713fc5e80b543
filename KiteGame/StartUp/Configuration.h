// The window settings the game starts with, read from Configuration.txt.
#pragma once

#include <string>

namespace KiteFramework
{
    struct Configuration
    {
        std::string title = "KiteGame";
        int width = 1600;
        int height = 900;
    };

    // Reads title, width and height (whitespace-separated) from the file.
    // A missing file, a title that is empty, longer than 256 characters or
    // holds control characters, and a size that is not positive or beyond
    // 16384 fall back to the defaults above, with one data-error report.
    Configuration ReadConfiguration(const std::string& path);
}
