// GetAllFiles: the recursive, sorted file listing the texture and sound
// loaders use.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "Core/Engine/Engine.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        void RemoveFirst(std::string& text, const std::string& part)
        {
            std::size_t at = text.find(part);
            if (at != std::string::npos)
                text.erase(at, part.size());
        }

        std::vector<fs::directory_entry> SortedEntries(const std::string& folder)
        {
            std::vector<fs::directory_entry> entries;
            std::error_code ec;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
                entries.push_back(*it);
            std::sort(entries.begin(), entries.end(),
                      [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path() < b.path(); });
            return entries;
        }
    }

    void GetAllFiles(std::string folder, std::vector<std::string>& names, std::vector<fs::path>& relativePaths,
                     const std::string& base)
    {
        for (const fs::directory_entry& entry : SortedEntries(folder))
        {
            std::error_code ec;
            if (entry.is_directory(ec))
            {
                GetAllFiles(entry.path().generic_string(), names, relativePaths, base);
                continue;
            }
            std::string name = entry.path().generic_string();
            RemoveFirst(name, "Assets/Sprites/");
            RemoveFirst(name, "Assets/Audio/");
            names.push_back(name);

            std::string relative = entry.path().relative_path().generic_string();
            std::replace(relative.begin(), relative.end(), '\\', '/');
            if (!base.empty())
            {
                std::size_t at = relative.find(base);
                if (at != std::string::npos)
                    relative.erase(at, std::min(base.size() + 1, relative.size() - at));
            }
            relativePaths.push_back(fs::path(relative));
        }
    }
}
