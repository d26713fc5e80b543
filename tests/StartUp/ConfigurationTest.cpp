// Reading Configuration.txt.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <fstream>

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
