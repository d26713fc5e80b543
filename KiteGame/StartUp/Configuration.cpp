// Reading Configuration.txt.
#include "StartUp/Configuration.h"

#include <iostream>

#include "Core/Serialisation/TextSerializer.h"

namespace KiteFramework
{
    Configuration ReadConfiguration(const std::string& path)
    {
        const Configuration defaults;
        std::string title;
        int width = 0;
        int height = 0;
        bool opened = false;
        {
            TextSerializer serializer;
            opened = serializer.Open(path, ReadOrWrite::Read) && serializer.IsGood();
            if (opened)
            {
                serializer.ReadString(title);
                serializer.ReadInt(width);
                serializer.ReadInt(height);
            }
        }

        Configuration result;
        if (!opened)
        {
            std::cerr << "Configuration \"" << path << "\": cannot be read; using " << defaults.title << " "
                      << defaults.width << "x" << defaults.height << std::endl;
            return result;
        }
        std::string fallback;
        if (title.empty())
            fallback += " empty title;";
        else
            result.title = title;
        if (width <= 0 || height <= 0)
            fallback += " missing or non-positive size;";
        else
        {
            result.width = width;
            result.height = height;
        }
        if (!fallback.empty())
            std::cerr << "Configuration \"" << path << "\":" << fallback << " using " << result.title << " "
                      << result.width << "x" << result.height << std::endl;
        return result;
    }
}
