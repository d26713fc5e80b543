// The installed platform back end and the small services that need no back end.
#include "Platform/Platform.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

namespace KiteFramework
{
    namespace Platform
    {
        Backend* CreateSDLBackend();

        namespace
        {
            Backend* installed = nullptr;
            std::unique_ptr<Backend> defaultBackend;
            // Declared after the back end so that it ends first at exit.
            std::vector<std::unique_ptr<Window>> retainedWindows;
        }

        KeyQuery Backend::QueryKey(int vk)
        {
            KeyQuery query;
            if (vk <= 0 || vk > 255)
                return query;
            query.down = IsKeyDown(vk);
            query.pressedSinceLastQuery = wentDown[vk];
            wentDown[vk] = false;
            return query;
        }

        void Backend::NoteWentDown(int vk)
        {
            if (vk > 0 && vk <= 255)
                wentDown[vk] = true;
        }

        Backend& Get()
        {
            if (installed)
                return *installed;
            if (!defaultBackend)
                defaultBackend.reset(CreateSDLBackend());
            return *defaultBackend;
        }

        void Install(Backend* backend)
        {
            retainedWindows.clear();
            installed = backend;
        }

        void RetainWindow(std::unique_ptr<Window> window)
        {
            if (window)
                retainedWindows.push_back(std::move(window));
        }

        bool IsInstalled()
        {
            return installed != nullptr || defaultBackend != nullptr;
        }

        void DebugOutput(const std::string& text)
        {
            std::fputs(text.c_str(), stderr);
            std::fflush(stderr);
        }

        void ShowMessageBox(const std::string& caption, const std::string& text)
        {
            std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
            std::fflush(stderr);
        }

        std::string ExecutableFolder()
        {
            std::error_code ec;
            std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
            if (ec)
                return std::string();
            return exe.parent_path().generic_string();
        }
    }
}
