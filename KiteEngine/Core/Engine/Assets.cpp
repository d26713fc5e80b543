// Assets: roots, resolution, listing and read failures.
#include "Core/Engine/Assets.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "Core/Engine/DataError.h"
#include "Core/Engine/Engine.h"

namespace fs = std::filesystem;

namespace KiteFramework
{
    namespace
    {
        const char* const kWorkingRoot = "Assets/";
        // Deeper than any real tree; stops a folder link that points back up.
        const int kMaxDepth = 32;

        bool Exists(const std::string& path)
        {
            std::error_code ec;
            return fs::exists(path, ec);
        }

        bool SameFolder(const std::string& a, const std::string& b)
        {
            std::error_code ec;
            return fs::equivalent(a, b, ec) && !ec;
        }

        std::string Lower(std::string text)
        {
            for (char& c : text)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            return text;
        }

        void Walk(const std::string& folder, const std::string& prefix, const std::vector<std::string>& extensions,
                  int depth, std::vector<std::string>& out)
        {
            std::string problem;
            const std::vector<Assets::Entry> entries = Assets::Entries(folder, problem);
            if (!problem.empty() && problem != "not found")
                ReportDataError("Folder \"" + folder + "\"", "cannot be listed: " + problem);
            for (const Assets::Entry& entry : entries)
            {
                const std::string name = prefix + entry.name;
                if (entry.folder)
                {
                    if (depth < kMaxDepth)
                        Walk((fs::path(folder) / entry.name).generic_string(), name + "/", extensions, depth + 1, out);
                }
                else if (Assets::HasExtension(name, extensions))
                    out.push_back(name);
            }
        }
    }

    std::string Assets::Root()
    {
        return ENGINE ? ENGINE->GetAssetPath() : std::string(kWorkingRoot);
    }

    std::string Assets::WorkingRoot()
    {
        return kWorkingRoot;
    }

    std::string Assets::AbsoluteWorkingRoot()
    {
        std::error_code ec;
        if (!fs::is_directory(kWorkingRoot, ec))
            return "";
        const fs::path root = fs::absolute(kWorkingRoot, ec);
        return ec ? "" : (root / "").generic_string();
    }

    std::vector<std::string> Assets::Roots()
    {
        std::vector<std::string> roots{kWorkingRoot};
        const std::string root = Root();
        if (root != kWorkingRoot && !SameFolder(root, kWorkingRoot))
            roots.push_back(root);
        return roots;
    }

    namespace
    {
        // relative under the first of roots that has it, else under the
        // program's root, fallback.
        std::string ResolveIn(const std::vector<std::string>& roots, const std::string& fallback,
                              const std::string& relative)
        {
            for (const std::string& root : roots)
                if (Exists(root + relative))
                    return root + relative;
            return fallback + relative;
        }

        std::string ResolveNamedIn(const std::vector<std::string>& roots, const std::string& fallback,
                                   const std::string& path)
        {
            const std::size_t prefix = std::strlen(kWorkingRoot);
            if (path.compare(0, prefix, kWorkingRoot) != 0)
                return path;
            return ResolveIn(roots, fallback, path.substr(prefix));
        }
    }

    std::string Assets::Resolve(const std::string& relative)
    {
        return ResolveIn(Roots(), Root(), relative);
    }

    std::string Assets::ResolveNamed(const std::string& path)
    {
        return ResolveNamedIn(Roots(), Root(), path);
    }

    std::vector<std::string> Assets::ResolveAllNamed(const std::vector<std::string>& paths)
    {
        const std::vector<std::string> roots = Roots();
        const std::string fallback = Root();
        std::vector<std::string> files;
        files.reserve(paths.size());
        for (const std::string& path : paths)
            files.push_back(ResolveNamedIn(roots, fallback, path));
        return files;
    }

    std::string Assets::SoundPath(const std::string& name)
    {
        return std::string(kWorkingRoot) + "Audio/" + name;
    }

    std::string Assets::SpritePath(const std::string& name)
    {
        std::string path = std::string(kWorkingRoot) + "Sprites/" + name;
        std::replace(path.begin(), path.end(), '\\', '/');
        return path;
    }

    std::vector<std::string> Assets::List(const std::string& folder, const std::string& extension)
    {
        return List(folder, extension.empty() ? std::vector<std::string>{} : std::vector<std::string>{extension});
    }

    std::vector<std::string> Assets::List(const std::string& folder, const std::vector<std::string>& extensions)
    {
        for (const std::string& root : Roots())
        {
            std::error_code ec;
            if (fs::is_directory(root + folder, ec))
                return ListFolder(root + folder, extensions);
        }
        return {};
    }

    std::vector<std::string> Assets::ListFolder(const std::string& path, const std::vector<std::string>& extensions)
    {
        std::vector<std::string> out;
        Walk(path, "", extensions, 0, out);
        return out;
    }

    std::vector<Assets::Entry> Assets::Entries(const std::string& path, std::string& problem)
    {
        problem.clear();
        std::vector<Entry> entries;
        std::error_code ec;
        for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec))
        {
            std::error_code typeError;
            entries.push_back(Entry{it->path().filename().string(), it->is_directory(typeError)});
        }
        if (ec)
        {
            problem = ec == std::errc::no_such_file_or_directory ? "not found" : ec.message();
            return {};
        }
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
        return entries;
    }

    bool Assets::HasExtension(const std::string& name, const std::vector<std::string>& extensions)
    {
        if (extensions.empty())
            return true;
        const std::string lower = Lower(name);
        for (const std::string& extension : extensions)
        {
            const std::string wanted = Lower(extension);
            if (lower.size() >= wanted.size() && lower.compare(lower.size() - wanted.size(), wanted.size(), wanted) == 0)
                return true;
        }
        return false;
    }

    std::string Assets::Unreadable(const std::string& path)
    {
        std::error_code ec;
        const fs::file_status status = fs::status(path, ec);
        if (status.type() == fs::file_type::not_found)
            return "not found";
        if (status.type() == fs::file_type::directory)
            return "is a folder";
        // A pipe or a device would block the reader or never end.
        if (!ec && status.type() != fs::file_type::regular)
            return "is not a regular file";
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file)
        {
            std::fclose(file);
            return "";
        }
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return "not found";
        return std::strerror(error);
    }

    bool Assets::ReadText(const std::string& path, std::string& text, std::string& problem)
    {
        bool cut = false;
        return ReadText(path, text, problem, static_cast<std::size_t>(-1), cut);
    }

    bool Assets::ReadText(const std::string& path, std::string& text, std::string& problem, std::size_t limit,
                          bool& cut)
    {
        cut = false;
        text.clear();
        problem = Unreadable(path);
        if (!problem.empty())
            return false;
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file)
        {
            // Gone or locked between the two looks.
            problem = Unreadable(path);
            if (problem.empty())
                problem = "cannot be opened";
            return false;
        }
        char buffer[8192];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        {
            if (n > limit - text.size())
            {
                text.append(buffer, limit - text.size());
                cut = true;
                break;
            }
            text.append(buffer, n);
        }
        const bool failed = std::ferror(file) != 0;
        const int error = errno;
        std::fclose(file);
        if (failed)
            problem = std::string("reading stopped: ") + std::strerror(error);
        return !failed;
    }
}
