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
    // A missing file, an empty title or a size that is not positive falls
    // back to the defaults above, with one line on standard error.
    Configuration ReadConfiguration(const std::string& path);
}
