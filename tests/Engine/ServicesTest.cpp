// Frame timing, random ranges and the file lister.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <time.h>

#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Engine/Time.h"
#include "Core/Math/Random.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

TEST(FrameRateController, WaitsForTheFixedStepAndNeverCatchesUp)
{
    FrameRateController controller;
    EXPECT_FLOAT_EQ(controller.getFixedDeltaTime(), 1.0f / 60.0f);
    controller.Start();
    controller.Next();
    EXPECT_GE(controller.getActualDeltaTime(), 1.0f / 60.0f);

    controller.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    controller.Next();
    EXPECT_GE(controller.getActualDeltaTime(), 0.03f);
    EXPECT_FLOAT_EQ(controller.getFixedDeltaTime(), 1.0f / 60.0f);

    controller.SetFrameRate(30.0f);
    EXPECT_FLOAT_EQ(controller.getFixedDeltaTime(), 1.0f / 60.0f);
    EXPECT_EQ(controller.TitlePrint().rfind("Kite    FPS: ", 0), 0u);
}

// The wait sleeps most of the step: a loop of empty frames keeps far less
// than a core busy: spinning even the last two milliseconds of each step
// would take an eighth of it.
TEST(FrameRateController, EmptyFramesSleepRatherThanSpin)
{
    FrameRateController controller;
    const auto cpu = [] {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    };
    const double cpuStart = cpu();
    const auto wallStart = std::chrono::steady_clock::now();
    const int frames = 20;
    for (int i = 0; i < frames; ++i)
    {
        controller.Start();
        controller.Next();
        EXPECT_GE(controller.getActualDeltaTime(), 1.0f / 60.0f);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    EXPECT_GE(wall, frames / 60.0 * 0.99);
    EXPECT_LT(cpu() - cpuStart, wall / 10.0);
}

TEST(Time, ClockTextShape)
{
    std::string text = Time::getTime();
    // "Wed, 09.12.2026 04:40:35"
    ASSERT_EQ(text.size(), 24u);
    EXPECT_EQ(text[3], ',');
    EXPECT_EQ(text[7], '.');
    EXPECT_EQ(text[10], '.');
}

TEST(Random, RangesStayInsideTheirBounds)
{
    GENRANDNUM::Seed(12345);
    bool sawTop = false;
    bool sawBottom = false;
    for (int i = 0; i < 200000; ++i)
    {
        int r = GENRANDNUM::Rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
        float f = GENRANDNUM::GenRandFloat(-2.0f, 3.0f);
        ASSERT_GE(f, -2.0f);
        ASSERT_LE(f, 3.0f);
        int n = GENRANDNUM::GenRandInt(-3, 4);
        ASSERT_GE(n, -3);
        ASSERT_LE(n, 4);
        sawTop |= n == 4;
        sawBottom |= n == -3;
    }
    EXPECT_TRUE(sawTop);
    EXPECT_TRUE(sawBottom);
    EXPECT_EQ(GENRANDNUM::GenRandInt(3, 3), 3);
    // An empty range gives its lower end instead of dividing by zero.
    EXPECT_EQ(GENRANDNUM::GenRandInt(5, 2), 5);
}

TEST(Random, SeedRepeatsTheSequence)
{
    GENRANDNUM::Seed(7);
    int a = GENRANDNUM::Rand();
    int b = GENRANDNUM::Rand();
    GENRANDNUM::Seed(7);
    EXPECT_EQ(GENRANDNUM::Rand(), a);
    EXPECT_EQ(GENRANDNUM::Rand(), b);
}

TEST(GetAllFiles, NestedFoldersSortedWithNamesAndRelativePaths)
{
    fs::path root = fs::path(testing::TempDir()) / "kite_files" / "Assets" / "Audio";
    fs::remove_all(root.parent_path().parent_path());
    fs::create_directories(root / "Music");
    fs::create_directories(root / "SFX" / "UI");
    for (const char* name : {"Music/Theme.ogg", "SFX/UI/Click.wav", "SFX/Boom.wav", "Zed.wav"})
        std::ofstream(root / name) << "x";

    std::vector<std::string> names;
    std::vector<fs::path> relative;
    fs::path cwd = fs::current_path();
    fs::current_path(root.parent_path().parent_path());
    GetAllFiles("Assets/Audio", names, relative, "Assets/Audio");
    fs::current_path(cwd);

    EXPECT_EQ(names, (std::vector<std::string>{"Music/Theme.ogg", "SFX/Boom.wav", "SFX/UI/Click.wav", "Zed.wav"}));
    ASSERT_EQ(relative.size(), 4u);
    EXPECT_EQ(relative[2].generic_string(), "SFX/UI/Click.wav");

    names.clear();
    GetAllFiles((root / "does-not-exist").string(), names, relative, "");
    EXPECT_TRUE(names.empty());
}
