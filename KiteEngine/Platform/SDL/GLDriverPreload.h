// The OpenGL driver opened on a thread of its own while SDL starts its video.
// The driver (Mesa's, with the code generator its software renderer links)
// costs tens of milliseconds of symbol binding when it is opened; opened here
// that work overlaps SDL's start, and when the GL library opens the same file
// for the window it finds it loaded already.
#pragma once

#include <string>
#include <thread>
#include <vector>

namespace KiteFramework
{
    namespace Platform
    {
        class GLDriverPreload
        {
        public:
            GLDriverPreload() = default;
            GLDriverPreload(const GLDriverPreload&) = delete;
            GLDriverPreload& operator=(const GLDriverPreload&) = delete;
            // Waits for an opening still under way.
            ~GLDriverPreload();

            // Begins opening the first driver file there is, once; nothing
            // when there is none, or no thread to be had.
            void Start();

            // Where the driver is looked for, in order: each folder of
            // driversPath (the GL library's own override, folders split by
            // ':'), or without one the "dri" folder beside the GL library
            // (glLibrary, its path). Empty when neither is known.
            static std::vector<std::string> Candidates(const char* driversPath, const std::string& glLibrary);

        private:
            std::thread opener;
            bool started = false;
        };
    }
}
