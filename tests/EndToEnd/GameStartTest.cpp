// The real game program: starts, shows its window, writes its log, and ends
// cleanly on a window close or Alt+F4.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <cstdlib>

#include "EndToEnd/GameProcess.h"

using KiteTest::GameProcess;
namespace fs = std::filesystem;

namespace
{
    // Sanitized builds start slowly; the window may take a while. Ending,
    // with its leak check, takes a while too beside a parallel test run:
    // both are backstops for a hang only.
    const double kStartSeconds = 60.0;
    const double kExitSeconds = 60.0;

    // log.txt is written at the end of the first frame: once it exists the
    // game is in its loop.
    bool WaitForFirstFrame(const GameProcess& game, double seconds)
    {
        fs::path log = fs::path(game.Folder()) / "log.txt";
        auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < deadline)
        {
            if (fs::exists(log))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
}

TEST(GameStart, WindowCloseEndsTheGameWithStatusZero)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    GameProcess game;
    ASSERT_TRUE(game.Start());
    ASSERT_NE(game.WaitForWindow(kStartSeconds), 0u) << game.ErrorOutput();
    ASSERT_TRUE(WaitForFirstFrame(game, kStartSeconds)) << "no log.txt: " << game.ErrorOutput();

    game.SendClose();
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(kExitSeconds, status)) << "still running after the close";
    EXPECT_TRUE(KiteTest::EndedCleanly(status, game.ErrorOutput())) << status << game.ErrorOutput();
    EXPECT_FALSE(KiteTest::HasSanitizerReport(game.ErrorOutput())) << game.ErrorOutput();
    // Every sprite loads, and the cursors beside them are not taken for pictures.
    const std::string out = game.StandardOutput();
    EXPECT_NE(out.find("  Sprite loaded: "), std::string::npos) << out;
    EXPECT_EQ(out.find("Multiload Fail"), std::string::npos) << out;
}

TEST(GameStart, AltF4EndsTheGame)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    GameProcess game;
    ASSERT_TRUE(game.Start());
    unsigned long window = game.WaitForWindow(kStartSeconds);
    ASSERT_NE(window, 0u) << game.ErrorOutput();
    ASSERT_TRUE(WaitForFirstFrame(game, kStartSeconds)) << game.ErrorOutput();
    GameProcess::XDoTool("windowfocus --sync " + std::to_string(window));
    GameProcess::XDoTool("key --window " + std::to_string(window) + " alt+F4");
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(kExitSeconds, status)) << "still running after Alt+F4";
    EXPECT_TRUE(KiteTest::EndedCleanly(status, game.ErrorOutput())) << status << game.ErrorOutput();
}

TEST(GameStart, MissingConfigurationFallsBackAndStillRuns)
{
    if (!KiteTest::HasDisplay())
        GTEST_SKIP() << "no display";
    GameProcess game;
    ASSERT_TRUE(game.Start(""));
    ASSERT_NE(game.WaitForWindow(kStartSeconds), 0u) << game.ErrorOutput();
    ASSERT_TRUE(WaitForFirstFrame(game, kStartSeconds)) << game.ErrorOutput();
    const std::string err = game.ErrorOutput();
    const std::size_t at = err.find("Configuration \"Configuration.txt\": ");
    ASSERT_NE(at, std::string::npos) << err;
    const std::string report = err.substr(at, err.find('\n', at) - at);
    game.SendClose();
    int status = -1;
    ASSERT_TRUE(game.WaitForExit(kExitSeconds, status));
    EXPECT_TRUE(KiteTest::EndedCleanly(status, game.ErrorOutput())) << status << game.ErrorOutput();
    // The player's log holds the same line.
    std::ifstream in(fs::path(game.Folder()) / "log.txt");
    std::stringstream log;
    log << in.rdbuf();
    EXPECT_NE(log.str().find("ERROR: " + report + "\n"), std::string::npos) << log.str();
}

TEST(GameStart, WithoutAUsableDisplayTheGameSaysSoAndEnds)
{
    // A display no server answers on, and none at all: either way nothing
    // could be seen, so the game must not run on unseen.
    const char* had = std::getenv("DISPLAY");
    const std::string previous = had ? had : "";
    for (const char* display : {":97531", ""})
    {
        if (*display)
            ::setenv("DISPLAY", display, 1);
        else
            ::unsetenv("DISPLAY");
        GameProcess game;
        const bool started = game.Start();
        if (had)
            ::setenv("DISPLAY", previous.c_str(), 1);
        ASSERT_TRUE(started);
        int status = 0;
        ASSERT_TRUE(game.WaitForExit(kStartSeconds, status)) << "still running without a display " << display;
        EXPECT_NE(status, 0) << display;
        const std::string err = game.ErrorOutput();
        EXPECT_NE(err.find("no usable display"), std::string::npos) << err;
        EXPECT_NE(err.find("could not be created; exiting"), std::string::npos) << err;
        EXPECT_FALSE(KiteTest::HasSanitizerReport(err)) << err;
    }
}
