// Reading Configuration.txt.
#include "StartUp/Configuration.h"

#include <string>

#include "Core/Engine/DataError.h"
#include "Core/Serialisation/TextSerializer.h"

namespace KiteFramework
{
    namespace
    {
        // Larger than any screen, and below what a window system or a GL
        // driver accepts.
        const int kMaxSide = 16384;
        const std::size_t kMaxTitle = 256;

        // Why a title cannot be the window's, or null when it can.
        const char* TitleProblem(const std::string& title)
        {
            if (title.empty())
                return "empty title";
            if (title.size() > kMaxTitle)
                return "title longer than 256 characters";
            for (char c : title)
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
                    return "title with control characters";
            return nullptr;
        }

        const char* SizeProblem(int width, int height)
        {
            if (width <= 0 || height <= 0)
                return "missing or non-positive size";
            if (width > kMaxSide || height > kMaxSide)
                return "size beyond 16384";
            return nullptr;
        }
    }

    Configuration ReadConfiguration(const std::string& path)
    {
        const Configuration defaults;
        const std::string where = "Configuration \"" + path + "\"";
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
            ReportDataError(where, "cannot be read; using " + defaults.title + " " + std::to_string(defaults.width) +
                                       "x" + std::to_string(defaults.height));
            return result;
        }
        std::string fallback;
        if (const char* problem = TitleProblem(title))
            fallback += std::string(" ") + problem + ";";
        else
            result.title = title;
        if (const char* problem = SizeProblem(width, height))
            fallback += std::string(" ") + problem + ";";
        else
        {
            result.width = width;
            result.height = height;
        }
        if (!fallback.empty())
        {
            fallback.erase(0, 1);
            ReportDataError(where, fallback + " using " + result.title + " " + std::to_string(result.width) + "x" +
                                       std::to_string(result.height));
        }
        return result;
    }
}
