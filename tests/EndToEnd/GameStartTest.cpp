// The real game program: starts, shows its window, writes its log, and ends
// cleanly on a window close or Alt+F4.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "EndToEnd/GameProcess.h"

using KiteTest::GameProcess;
namespace fs = std::filesystem;

namespace
{
    // Sanitized builds start slowly; the window may take a while.
    const double kStartSeconds = 60.0;
}

TEST(GameStart, WindowCloseEndsTheGameWithStatusZero)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    GameProcess game;
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.WaitForWindow(kStartSeconds), 0u) << game.ErrorOutput();
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_TRUE(fs::exists(fs::path(game.Folder()) / "log.txt"));

    game.SendClose();
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(10.0, status)) << "still running after the close";
    EXPECT_EQ(status, 0) << game.ErrorOutput();
    EXPECT_FALSE(KiteTest::HasSanitizerReport(game.ErrorOutput())) << game.ErrorOutput();
}

TEST(GameStart, AltF4EndsTheGame)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    GameProcess game;
    ASSERT_TRUE(game.Start());
    unsigned long window = game.WaitForWindow(kStartSeconds);
    ASSERT_NE(window, 0u) << game.ErrorOutput();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    GameProcess::XDoTool("windowfocus --sync " + std::to_string(window));
    GameProcess::XDoTool("key --window " + std::to_string(window) + " alt+F4");
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(10.0, status)) << "still running after Alt+F4";
    EXPECT_EQ(status, 0) << game.ErrorOutput();
}

TEST(GameStart, MissingConfigurationFallsBackAndStillRuns)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    GameProcess game;
    ASSERT_TRUE(game.Start(""));
    ASSERT_NE(game.WaitForWindow(kStartSeconds), 0u) << game.ErrorOutput();
    EXPECT_NE(game.ErrorOutput().find("Configuration"), std::string::npos);
    game.SendClose();
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(10.0, status));
    EXPECT_EQ(status, 0);
}
