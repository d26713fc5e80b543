// The choice of sound system for a new audio engine, and the opening of the
// SDL one. That one lives in a module of its own beside the engine: the
// mixer links decoders, a synthesiser and sound-server clients that, linked
// into the engine, would be loaded and relocated before the program starts.
// The module is opened on a thread of its own while the window and the first
// frames are made; the audio engine waits for it only if it comes first.
#include "Platform/Sound.h"

#include <dlfcn.h>

#include <cstdio>
#include <future>
#include <mutex>
#include <string>
#include <system_error>

namespace KiteFramework
{
    namespace Platform
    {
        namespace
        {
            SoundSystem* installedSoundSystem = nullptr;

            using Factory = SoundSystem* (*)();
            constexpr const char* kModuleName = "libKiteSDLSound.so";

            std::mutex openingLock;
            std::shared_future<Factory> opening;

            // The module's path: beside the engine library, where the build puts both.
            std::string ModulePath()
            {
                Dl_info self{};
                if (dladdr(reinterpret_cast<void*>(&ModulePath), &self) == 0 || !self.dli_fname)
                    return kModuleName;
                const std::string engine = self.dli_fname;
                const std::size_t slash = engine.rfind('/');
                return slash == std::string::npos ? kModuleName : engine.substr(0, slash + 1) + kModuleName;
            }

            // Null, after one line saying why, when the module cannot be used.
            Factory OpenModule()
            {
                const std::string path = ModulePath();
                void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
                if (!module)
                {
                    // The loader's reason names the file.
                    const char* problem = dlerror();
                    std::fprintf(stderr, "Sound: cannot open the sound module: %s; the game runs silent\n",
                                 problem ? problem : path.c_str());
                    return nullptr;
                }
                auto factory = reinterpret_cast<Factory>(dlsym(module, "KiteCreateSDLSoundSystem"));
                if (!factory)
                    std::fprintf(stderr, "Sound: the sound module %s offers no sound system; the game runs silent\n",
                                 path.c_str());
                return factory;
            }

            std::shared_future<Factory> Opening()
            {
                std::lock_guard<std::mutex> guard(openingLock);
                if (!opening.valid())
                {
                    try
                    {
                        opening = std::async(std::launch::async, OpenModule).share();
                    }
                    catch (const std::system_error&)
                    {
                        // No thread to be had: opened now.
                        std::promise<Factory> now;
                        now.set_value(OpenModule());
                        opening = now.get_future().share();
                    }
                }
                return opening;
            }
        }

        void InstallSoundSystem(SoundSystem* system)
        {
            installedSoundSystem = system;
        }

        SoundSystem* InstalledSoundSystem()
        {
            return installedSoundSystem;
        }

        void PreloadSDLSoundSystem()
        {
            Opening();
        }

        std::unique_ptr<SoundSystem> CreateSDLSoundSystem()
        {
            const Factory factory = Opening().get();
            return std::unique_ptr<SoundSystem>(factory ? factory() : nullptr);
        }
    }
}
