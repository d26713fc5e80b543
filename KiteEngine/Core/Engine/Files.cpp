// GetAllFiles: the recursive, sorted file listing in the engine's own naming,
// over the asset module's walk.
#include <algorithm>
#include <filesystem>

#include "Core/Engine/Assets.h"
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
    }

    void GetAllFiles(std::string folder, std::vector<std::string>& names, std::vector<fs::path>& relativePaths,
                     const std::string& base)
    {
        const std::string joint = !folder.empty() && folder.back() == '/' ? "" : "/";
        for (const std::string& file : Assets::ListFolder(folder))
        {
            std::string name = folder + joint + file;
            RemoveFirst(name, Assets::SpritePath(""));
            RemoveFirst(name, Assets::SoundPath(""));
            names.push_back(name);

            std::string relative = fs::path(folder + joint + file).relative_path().generic_string();
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
