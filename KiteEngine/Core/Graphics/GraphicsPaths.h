// Where the graphics system finds its files: the asset tree in the working
// folder, or else the one beside the program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace KiteFramework
{
    // A path starting with "Assets/" as given when it exists from the working
    // folder, else the same file under the program's asset folder, else as
    // given.
    std::string ResolveAssetPath(const std::string& path);

    // Every file under the sprite folder, sorted, named by its path relative
    // to that folder with '/' (exact case); relative holds the paths from the
    // working folder ("Assets/Sprites/...").
    void ListSpriteFiles(std::vector<std::string>& names, std::vector<std::filesystem::path>& relative);
}
