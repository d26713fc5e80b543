// The GL driver opened ahead of the window: where it is looked for, and that
// what is started is opened and waited for.
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "Platform/SDL/GLDriverPreload.h"

using KiteFramework::Platform::GLDriverPreload;

TEST(GLDriverPreload, TheDriverIsLookedForWhereTheGLLibraryLooksForIt)
{
    // The override's folders in order, with or without a closing slash,
    // empty ones skipped; the GL library's own folder is then not looked in.
    EXPECT_EQ(GLDriverPreload::Candidates("/opt/a::/opt/b/", "/usr/lib/x86_64-linux-gnu/libGL.so.1"),
              (std::vector<std::string>{"/opt/a/swrast_dri.so", "/opt/b/swrast_dri.so"}));
    // Without one: the "dri" folder beside the GL library.
    EXPECT_EQ(GLDriverPreload::Candidates(nullptr, "/usr/lib/x86_64-linux-gnu/libGL.so.1"),
              (std::vector<std::string>{"/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so"}));
    EXPECT_EQ(GLDriverPreload::Candidates("", "/lib/libGL.so.1"),
              (std::vector<std::string>{"/lib/dri/swrast_dri.so"}));
    // Neither known: nothing to open.
    EXPECT_TRUE(GLDriverPreload::Candidates(nullptr, "").empty());
    EXPECT_TRUE(GLDriverPreload::Candidates(":", "libGL.so.1").empty());
}

TEST(GLDriverPreload, WhatIsStartedIsOpenedByTheTimeThePreloadIsGone)
{
    std::string file;
    Dl_info info{};
    void* entry = dlsym(RTLD_DEFAULT, "glXGetProcAddressARB");
    if (entry && dladdr(entry, &info) != 0 && info.dli_fname)
        for (const std::string& candidate : GLDriverPreload::Candidates(getenv("LIBGL_DRIVERS_PATH"), info.dli_fname))
            if (access(candidate.c_str(), R_OK) == 0)
            {
                file = candidate;
                break;
            }
    if (file.empty())
        GTEST_SKIP() << "no software GL driver on this machine";
    {
        GLDriverPreload preload;
        preload.Start();
        // A second start opens nothing more.
        preload.Start();
    }
    void* loaded = dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(loaded, nullptr) << file << " was not opened";
    if (loaded)
        dlclose(loaded);
}
