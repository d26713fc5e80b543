// GLDriverPreload: the GL driver opened on a thread while SDL starts.
#include "Platform/SDL/GLDriverPreload.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            // The software renderer's file. Distributions that ship one
            // driver file for every device link the others' names to it, and
            // the loader knows a file it has opened under any of its names.
            constexpr const char* kDriverFile = "swrast_dri.so";

            // The path of the GL library this program was linked with, or ""
            // when it has none.
            std::string GLLibraryPath()
            {
                void* entry = dlsym(RTLD_DEFAULT, "glXGetProcAddressARB");
                Dl_info info{};
                if (!entry || dladdr(entry, &info) == 0 || !info.dli_fname)
                    return "";
                return info.dli_fname;
            }
        }

        GLDriverPreload::~GLDriverPreload()
        {
            if (opener.joinable())
                opener.join();
        }

        std::vector<std::string> GLDriverPreload::Candidates(const char* driversPath, const std::string& glLibrary)
        {
            std::vector<std::string> files;
            if (driversPath && *driversPath)
            {
                const std::string folders = driversPath;
                std::size_t start = 0;
                while (start <= folders.size())
                {
                    std::size_t end = folders.find(':', start);
                    if (end == std::string::npos)
                        end = folders.size();
                    std::string folder = folders.substr(start, end - start);
                    if (!folder.empty())
                    {
                        if (folder.back() != '/')
                            folder += '/';
                        files.push_back(folder + kDriverFile);
                    }
                    start = end + 1;
                }
                return files;
            }
            const std::size_t slash = glLibrary.rfind('/');
            if (slash != std::string::npos)
                files.push_back(glLibrary.substr(0, slash + 1) + "dri/" + kDriverFile);
            return files;
        }

        void GLDriverPreload::Start()
        {
            if (started)
                return;
            started = true;
            std::string file;
            for (const std::string& candidate : Candidates(std::getenv("LIBGL_DRIVERS_PATH"), GLLibraryPath()))
                if (access(candidate.c_str(), R_OK) == 0)
                {
                    file = candidate;
                    break;
                }
            if (file.empty())
                return;
            try
            {
                // The flags the GL library opens its driver with, so that its
                // own opening finds nothing left to bind. The handle is kept:
                // the driver stays loaded for the window in any case.
                opener = std::thread([file] { dlopen(file.c_str(), RTLD_NOW | RTLD_GLOBAL); });
            }
            catch (const std::system_error&)
            {
                // No thread: the GL library opens the driver itself, as ever.
            }
        }
    }
}
