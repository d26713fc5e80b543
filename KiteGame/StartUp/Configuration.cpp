// Reading Configuration.txt.
#include "StartUp/Configuration.h"

#include <iostream>

#if __has_include("Core/Serialisation/TextSerializer.h")
#include "Core/Serialisation/TextSerializer.h"
#define KITE_HAS_TEXT_SERIALISER 1
#else
#include <fstream>
#endif

namespace KiteFramework
{
    Configuration ReadConfiguration(const std::string& path)
    {
        const Configuration defaults;
        std::string title;
        int width = 0;
        int height = 0;
        bool opened = false;
#ifdef KITE_HAS_TEXT_SERIALISER
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
#else
        {
            std::ifstream in(path);
            opened = in.good();
            if (opened)
                in >> title >> width >> height;
        }
#endif

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
