// The engine log and its file writer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Core/Engine/Engine.h"
#include "Support/EngineWorld.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

using KiteTest::ReadFile;

namespace
{
    // The started engine, writing its log into the scratch folder.
    class LogTest : public KiteTest::EngineWorld
    {
    protected:
        void SetUp() override
        {
            StartEngine();
            dir = folder;
            path = (dir / "log.txt").string();
            engine->SetLogPath(path);
        }

        fs::path dir;
        std::string path;
    };
}

TEST_F(LogTest, FlushesAtFiveHundredTwelveCharacters)
{
    // "ERROR: " + message + "\n" is 8 characters of framing.
    engine->logError(std::string(503, 'a'));
    EXPECT_EQ(engine->GetLogBuffer().size(), 511u);
    EXPECT_FALSE(fs::exists(path));

    engine->logError("");
    EXPECT_TRUE(engine->GetLogBuffer().empty());
    EXPECT_EQ(ReadFile(path).size(), 519u);
}

TEST_F(LogTest, EndOfFrameWriteAppendsAndCreatesTheFile)
{
    engine->writeLogBuffer();
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(ReadFile(path), "");
    engine->logError("first");
    engine->writeLogBuffer();
    engine->logError("second");
    engine->writeLogBuffer();
    EXPECT_EQ(ReadFile(path), "ERROR: first\nERROR: second\n");
    engine->logMessage("discarded");
    EXPECT_TRUE(engine->GetLogBuffer().empty());
}

TEST_F(LogTest, FailedWriteKeepsItsLinesAndDoesNotRecurse)
{
    engine->SetLogPath((dir / "missing-folder" / "log.txt").string());
    testing::internal::CaptureStderr();
    engine->logError("kept");
    engine->writeLogBuffer();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("missing-folder"), std::string::npos);
    EXPECT_NE(engine->GetLogBuffer().find("ERROR: kept\n"), std::string::npos);

    // A large backlog is bounded, not grown without limit.
    for (int i = 0; i < 2000; ++i)
        engine->logError(std::string(100, 'x'));
    EXPECT_LE(engine->GetLogBuffer().size(), 70u * 1024u);

    // Once the file can be written again the kept lines reach it.
    engine->SetLogPath(path);
    engine->writeLogBuffer();
    EXPECT_TRUE(engine->GetLogBuffer().empty());
    EXPECT_GT(ReadFile(path).size(), 1000u);
}

TEST_F(LogTest, WriteStringToFileModes)
{
    std::string file = (dir / "modes.txt").string();
    EXPECT_TRUE(WriteStringToFile("one", file, 0));
    EXPECT_FALSE(WriteStringToFile("two", file, 0)); // mode 0 refuses an existing file
    EXPECT_TRUE(WriteStringToFile("+", file, 2));
    EXPECT_EQ(ReadFile(file), "one+");
    EXPECT_TRUE(WriteStringToFile("new", file, 1));
    EXPECT_EQ(ReadFile(file), "new");
    EXPECT_FALSE(WriteStringToFile("x", (dir / "no" / "such.txt").string(), 1));
    EXPECT_NE(engine->GetLogBuffer().find("Error creating file: "), std::string::npos);
}
