// The installed platform back end and the small services that need no back end.
#include "Platform/Platform.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace KiteFramework
{
    namespace Platform
    {
        Backend* CreateSDLBackend();

        namespace
        {
            Backend* installed = nullptr;
            std::unique_ptr<Backend> defaultBackend;
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
            installed = backend;
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
