// Assets: the two asset trees (the working folder's "Assets/" and the one
// beside the program), finding a file in them, the names of sounds and
// pictures, listing folders, and reading a file or saying why it cannot be.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace KiteFramework
{
    class Assets
    {
    public:
        // The tree beside the program: Engine::GetAssetPath ("<program
        // folder>/Assets/", or what Engine::SetAssetPath gave), "Assets/"
        // without an engine. Ends with '/'.
        static std::string Root();
        // The working folder's tree: "Assets/".
        static std::string WorkingRoot();
        // The same tree as an absolute path ending with '/', so that it stays
        // valid whatever folder the program moves to; "" when the working
        // folder holds no "Assets" folder.
        static std::string AbsoluteWorkingRoot();
        // The roots in search order: the working folder's first (the engine
        // names its files from there, "Assets/Sprites/..."), then the
        // program's; only one when both are the same folder.
        static std::vector<std::string> Roots();

        // relative ("StallData/StallData.csv", "Scenes/Level1.xml", or a
        // folder, "Scenes") under the first root that has it. When none has
        // it, under Root(): that is where a new file goes, and a report then
        // names the place it was looked for.
        static std::string Resolve(const std::string& relative);
        // A name written from the working folder ("Assets/Sprites/a.png")
        // resolved as above; any other path is returned as given.
        static std::string ResolveNamed(const std::string& path);
        // Each of paths resolved as by ResolveNamed, the roots looked up once.
        static std::vector<std::string> ResolveAllNamed(const std::vector<std::string>& paths);
        // The name a sound or a picture is known by, from its path in the
        // sound or picture tree ("Music/Theme.wav" gives
        // "Assets/Audio/Music/Theme.wav"); ResolveNamed finds the file.
        static std::string SoundPath(const std::string& name);
        static std::string SpritePath(const std::string& name);

        // Every file under folder (relative to a root, e.g. "Scenes") in the
        // first root that has that folder: recursive, sorted folder by
        // folder by byte order, as paths relative to folder with '/'. With
        // an extension (".xml"), only the files that end in it, ignoring case.
        static std::vector<std::string> List(const std::string& folder, const std::string& extension = "");
        static std::vector<std::string> List(const std::string& folder, const std::vector<std::string>& extensions);
        // The same listing of any folder on disk. A folder that does not
        // exist lists nothing; one that exists but cannot be opened is
        // reported.
        static std::vector<std::string> ListFolder(const std::string& path,
                                                   const std::vector<std::string>& extensions = {});

        // One entry of a folder: its name and whether it is a folder itself
        // (a link counts as what it points to).
        struct Entry
        {
            std::string name;
            bool folder = false;
        };
        // What the folder at path holds directly, sorted by name in byte
        // order. When it cannot be listed: nothing, and problem says why
        // ("not found", or the system's reason); otherwise problem is "".
        static std::vector<Entry> Entries(const std::string& path, std::string& problem);

        // Whether name ends in one of the extensions, ignoring case; true
        // when the list is empty.
        static bool HasExtension(const std::string& name, const std::vector<std::string>& extensions);

        // Why the file cannot be read, or "" when it can: "not found", "is a
        // folder", or the system's reason ("Permission denied").
        static std::string Unreadable(const std::string& path);
        // Reads a whole file; on failure problem says why, as Unreadable.
        static bool ReadText(const std::string& path, std::string& text, std::string& problem);
        // The same, stopping after limit bytes: text then holds at most limit
        // bytes, and cut says whether the file had more.
        static bool ReadText(const std::string& path, std::string& text, std::string& problem, std::size_t limit,
                             bool& cut);
    };
}
