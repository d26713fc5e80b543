// A scene file's problems reach the player's log.txt as well as standard
// error, and a file that is there but cannot be read is not called missing.
#include "Objects/TestWorld.h"

#include <sys/stat.h>

#include "Core/Engine/Assets.h"
#include "Core/Engine/DataError.h"
#include "Core/Engine/XMLFile.h"
#include "Support/Unprivileged.h"

#include <algorithm>

using namespace KiteTest;
namespace fs = std::filesystem;

namespace
{
    class DataReport : public World
    {
    protected:
        void SetUp() override
        {
            World::SetUp();
            logPath = testing::TempDir() + "kite_report_log_" + std::to_string(getpid()) + ".txt";
            fs::remove(logPath);
            engine->SetLogPath(logPath);
        }

        void TearDown() override
        {
            std::error_code ec;
            fs::permissions(SceneFolder() + ".xml", fs::perms::owner_all, ec);
            fs::remove(logPath, ec);
            World::TearDown();
        }

        // Loads the scene and returns what went to standard error.
        std::string LoadCapturing()
        {
            testing::internal::CaptureStderr();
            Load(scene);
            return testing::internal::GetCapturedStderr();
        }

        std::string logPath;
    };
}

TEST_F(DataReport, AMalformedSceneLeavesTheSameLineInLogTxtAndOnStandardError)
{
    WriteFile(SceneFolder() + ".xml", "<Scene>\n<GameObject name=\"a\" objectId=\"1\">\n</Scene>\n");
    const std::string err = LoadCapturing();
    const std::string where = "Scene \"" + scene + "\": \"" + SceneFolder() + ".xml\" is not well-formed XML: ";
    ASSERT_EQ(err.rfind(where, 0), 0u) << err;
    ASSERT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    // The parser's reason names the line of the element left open.
    EXPECT_NE(err.find("Line number=2"), std::string::npos) << err;

    // The end of a frame appends the buffer to log.txt.
    engine->writeLogBuffer();
    EXPECT_EQ(ReadFile(logPath), "ERROR: " + err);
    EXPECT_TRUE(factory->GetObjects().empty());
}

TEST_F(DataReport, BadContentOfAReadableSceneIsLoggedToo)
{
    WriteFile(SceneFolder() + ".xml", "<Scene><Folder/><GameObject name=\"a\" objectId=\"1\"/></Scene>");
    WriteFile(SceneFolder() + "/1.xml", "<Components><Spirte/><Transform/></Components>");
    const std::string err = LoadCapturing();
    engine->writeLogBuffer();
    const std::string log = ReadFile(logPath);
    for (const std::string& line : {"Scene \"" + scene + "\": unexpected element \"Folder\" skipped\n",
                                   "Scene \"" + scene + "\": object 1: unknown component \"Spirte\"\n"})
    {
        EXPECT_NE(err.find(line), std::string::npos) << err;
        EXPECT_NE(log.find("ERROR: " + line), std::string::npos) << log;
    }
    ASSERT_NE(factory->FindObjectWithId(1), nullptr);
    EXPECT_NE(factory->FindObjectWithId(1)->GetComponent<Transform>(), nullptr);
}

TEST_F(DataReport, MissingFolderAndLockedSceneFilesEachSayWhatIsWrong)
{
    const std::string path = SceneFolder() + ".xml";
    std::string err = LoadCapturing();
    EXPECT_EQ(err, "Scene \"" + scene + "\": cannot read \"" + path + "\": not found\n");

    fs::create_directories(path);
    err = LoadCapturing();
    EXPECT_EQ(err, "Scene \"" + scene + "\": cannot read \"" + path + "\": is a folder\n");
    fs::remove(path);

    WriteFile(path, "<Scene/>");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    // A readable neighbour: the folders on the way are open to everyone.
    const std::string neighbour = SceneFolder() + "/1.xml";
    WriteFile(neighbour, "<Components/>");
    // Read as an ordinary user, for whom the mode means what it says.
    const std::string locked = RunUnprivileged([&] {
        if (!Assets::Unreadable(neighbour).empty())
            return std::string("the folder is closed too");
        testing::internal::CaptureStderr();
        tinyxml2::XMLDocument document;
        const bool loaded = LoadXMLFile(document, path, "Scene \"" + scene + "\"");
        return std::string(loaded ? "loaded\n" : "") + testing::internal::GetCapturedStderr();
    });
    EXPECT_EQ(locked, "Scene \"" + scene + "\": cannot read \"" + path + "\": Permission denied\n");
}

TEST(DataError, WithoutAnEngineTheLineStillGoesToStandardError)
{
    ASSERT_EQ(ENGINE, nullptr);
    testing::internal::CaptureStderr();
    ReportDataError("Tables/Prices.csv row 3", "price is not a number");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Tables/Prices.csv row 3: price is not a number\n");

    // A name or a parser message with line breaks in it still makes one line.
    testing::internal::CaptureStderr();
    ReportDataError("Scene \"a\nb\"", "Error=X\r\nLine number=2\x1b[2J");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Scene \"a b\": Error=X  Line number=2 [2J\n");
}
