// Resolving asset paths and listing the sprite tree.
#include "Core/Graphics/GraphicsPaths.h"

#include <algorithm>
#include <system_error>

#include "Core/Engine/Engine.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        const std::string assetsPrefix = "Assets/";

        void ListInto(const fs::path& root, const fs::path& folder, std::vector<std::string>& names,
                      std::vector<fs::path>& relative)
        {
            std::vector<fs::directory_entry> entries;
            std::error_code ec;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
                entries.push_back(*it);
            std::sort(entries.begin(), entries.end(),
                      [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path() < b.path(); });
            for (const fs::directory_entry& entry : entries)
            {
                std::error_code typeError;
                if (entry.is_directory(typeError))
                {
                    ListInto(root, entry.path(), names, relative);
                    continue;
                }
                std::string name = entry.path().lexically_relative(root).generic_string();
                names.push_back(name);
                relative.push_back(fs::path("Assets/Sprites/" + name));
            }
        }
    }

    std::string ResolveAssetPath(const std::string& path)
    {
        std::error_code ec;
        if (fs::exists(path, ec))
            return path;
        if (ENGINE && path.compare(0, assetsPrefix.size(), assetsPrefix) == 0)
        {
            std::string besideProgram = ENGINE->GetAssetPath() + path.substr(assetsPrefix.size());
            if (fs::exists(besideProgram, ec))
                return besideProgram;
        }
        return path;
    }

    void ListSpriteFiles(std::vector<std::string>& names, std::vector<fs::path>& relative)
    {
        std::error_code ec;
        fs::path root = "Assets/Sprites";
        if (!fs::is_directory(root, ec) && ENGINE)
            root = fs::path(ENGINE->GetAssetPath() + "Sprites");
        if (!fs::is_directory(root, ec))
            return;
        ListInto(root, root, names, relative);
    }
}
