// Reading Configuration.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>

#include "Core/Engine/Engine.h"
#include "StartUp/Configuration.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    std::string Write(const std::string& name, const std::string& text)
    {
        fs::path path = fs::path(testing::TempDir()) / name;
        std::ofstream(path) << text;
        return path.string();
    }
}

TEST(Configuration, ThreeLinesOrOneLine)
{
    Configuration a = ReadConfiguration(Write("cfg_lines.txt", "MyGame\n1280\n720\n"));
    EXPECT_EQ(a.title, "MyGame");
    EXPECT_EQ(a.width, 1280);
    EXPECT_EQ(a.height, 720);
    Configuration b = ReadConfiguration(Write("cfg_one.txt", "MyGame 1280 720 trailing words"));
    EXPECT_EQ(b.title, "MyGame");
    EXPECT_EQ(b.width, 1280);
    EXPECT_EQ(b.height, 720);
}

TEST(Configuration, FallsBackWithOneLine)
{
    testing::internal::CaptureStderr();
    Configuration missing = ReadConfiguration((fs::path(testing::TempDir()) / "no-such-config.txt").string());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(missing.title, "KiteGame");
    EXPECT_EQ(missing.width, 1600);
    EXPECT_EQ(missing.height, 900);
    EXPECT_NE(err.find("no-such-config.txt"), std::string::npos);

    // A two-word title pushes a word into the width: the size falls back.
    testing::internal::CaptureStderr();
    Configuration twoWords = ReadConfiguration(Write("cfg_words.txt", "Food Court 1280 720"));
    err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(twoWords.title, "Food");
    EXPECT_EQ(twoWords.width, 1600);
    EXPECT_EQ(twoWords.height, 900);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);

    Configuration negative = ReadConfiguration(Write("cfg_neg.txt", "T -5 720"));
    EXPECT_EQ(negative.title, "T");
    EXPECT_EQ(negative.width, 1600);

    Configuration empty = ReadConfiguration(Write("cfg_empty.txt", ""));
    EXPECT_EQ(empty.title, "KiteGame");
}

TEST(Configuration, SizesBeyond16384AndUnusableTitlesFallBackWithAReport)
{
    Configuration edge = ReadConfiguration(Write("cfg_edge.txt", std::string(256, 'T') + " 16384 16384"));
    EXPECT_EQ(edge.title, std::string(256, 'T'));
    EXPECT_EQ(edge.width, 16384);
    EXPECT_EQ(edge.height, 16384);

    struct Case
    {
        std::string text;
        std::string title;
        int width;
        const char* report;
    };
    const Case cases[] = {
        {"Big 16385 720", "Big", 1600, "size beyond 16384"},
        {"Tall 1280 100000", "Tall", 1600, "size beyond 16384"},
        {"Huge 99999999999 720", "Huge", 1600, "missing or non-positive size"},
        {std::string(257, 'T') + " 1280 720", "KiteGame", 1280, "title longer than 256 characters"},
        {"Bell\a\x1b[2J 1280 720", "KiteGame", 1280, "title with control characters"},
        {"Del\x7f 1280 720", "KiteGame", 1280, "title with control characters"},
    };
    for (const Case& c : cases)
    {
        testing::internal::CaptureStderr();
        Configuration read = ReadConfiguration(Write("cfg_case.txt", c.text));
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(read.title, c.title) << c.text;
        EXPECT_EQ(read.width, c.width) << c.text;
        EXPECT_EQ(read.height, c.width == 1600 ? 900 : 720) << c.text;
        EXPECT_NE(err.find(c.report), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    }
}

TEST(Configuration, TheReportReachesTheEngineLog)
{
    Engine engine;
    testing::internal::CaptureStderr();
    ReadConfiguration(Write("cfg_log.txt", "Big 20000 720"));
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_NE(err.find("cfg_log.txt"), std::string::npos);
    EXPECT_EQ(engine.GetLogBuffer(), "ERROR: " + err);
}
