// The committed levels hold what their missions and flow need: enough stall
// and seat places for the largest mission each level can draw, goals that
// grow from level to level, and in every level the quest system (after the
// simulation it reads), the stars, panels, pause menu, mailbox and sound.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace
{
    namespace fs = std::filesystem;
    const fs::path kScenes = fs::path(KITE_ASSET_ROOT) / "Scenes";

    std::string Read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    // Object names of a scene by id.
    std::map<int, std::string> Objects(const std::string& scene)
    {
        std::map<int, std::string> out;
        const std::string index = Read(kScenes / (scene + ".xml"));
        const std::regex entry("<GameObject name=\"([^\"]*)\" objectId=\"(\\d+)\"");
        for (std::sregex_iterator it(index.begin(), index.end(), entry), end; it != end; ++it)
            out[std::stoi((*it)[2])] = (*it)[1];
        return out;
    }

    int Count(const std::map<int, std::string>& objects, const std::string& prefix, const std::string& component,
              const std::string& scene)
    {
        int n = 0;
        for (const auto& [id, name] : objects)
            if (name.rfind(prefix, 0) == 0 &&
                Read(kScenes / scene / (std::to_string(id) + ".xml")).find("<" + component + ">") != std::string::npos)
                ++n;
        return n;
    }

    int Field(const std::string& scene, const std::string& key)
    {
        for (const auto& [id, name] : Objects(scene))
            if (name == "SimulationSystem")
            {
                const std::string body = Read(kScenes / scene / (std::to_string(id) + ".xml"));
                const std::smatch m = [&] {
                    std::smatch r;
                    std::regex_search(body, r, std::regex("<" + key + ">(-?\\d+)</" + key + ">"));
                    return r;
                }();
                return m.empty() ? 0 : std::stoi(m[1]);
            }
        return 0;
    }

    // Every "<key>N</key>" in a body, in order.
    std::vector<std::string> All(const std::string& body, const std::string& key)
    {
        std::vector<std::string> out;
        const std::regex r("<" + key + ">([^<]*)</" + key + ">");
        for (std::sregex_iterator it(body.begin(), body.end(), r), end; it != end; ++it)
            out.push_back((*it)[1]);
        return out;
    }

    int IdOf(const std::map<int, std::string>& objects, const std::string& name)
    {
        for (const auto& [id, n] : objects)
            if (n == name)
                return id;
        return -1;
    }
}

TEST(LevelFlowContent, EachLevelHasThePlacesItsMissionsCanAskFor)
{
    // Missions ask for up to 2, 4 and 8 stalls or seats bought, so as many
    // places must be free: stalls and tables stored in the level take theirs.
    const std::map<std::string, int> needed = {{"TutorialLevel", 2}, {"Level1", 2}, {"Level2", 4}, {"Level3", 8}};
    for (const auto& [scene, n] : needed)
    {
        SCOPED_TRACE(scene);
        const auto objects = Objects(scene);
        EXPECT_GE(Count(objects, "StallNode", "StallPlacementNode", scene) - Count(objects, "Stall", "StallsBehaviour", scene),
                  n);
        EXPECT_GE(Count(objects, "SeatNode", "SeatPlacementNode", scene) - Count(objects, "Seat", "SeatsBehaviour", scene),
                  n);
    }
    // Goals grow from level to level.
    EXPECT_LT(Field("Level1", "goalMoney"), Field("Level2", "goalMoney"));
    EXPECT_LT(Field("Level2", "goalMoney"), Field("Level3", "goalMoney"));
    EXPECT_LT(Field("Level1", "goalLikes"), Field("Level2", "goalLikes"));
    EXPECT_LT(Field("Level2", "goalLikes"), Field("Level3", "goalLikes"));
}

TEST(LevelFlowContent, EveryLevelCarriesItsFlowObjects)
{
    for (const std::string scene : {"TutorialLevel", "Level1", "Level2", "Level3"})
    {
        SCOPED_TRACE(scene);
        const auto objects = Objects(scene);
        for (const char* name : {"Star1", "Star2", "Star3", "InnerProgressionBar1", "StarPopUp3", "StarOnePanel",
                                 "StarTwoPanel", "StarThreePanel", "PausePanel", "ResumeButton", "EscapePause",
                                 "Mailbox", "MailBoxSystem", "AudioFeedbackSystem", "FadeIn", "LevelMusic"})
            EXPECT_GE(IdOf(objects, name), 0) << name;
        // The quest system starts after the simulation whose goals it reads.
        EXPECT_GT(IdOf(objects, "QuestSystem"), IdOf(objects, "SimulationSystem"));
    }
    const auto tutorial = Objects("TutorialLevel");
    for (int i = 0; i < 34; ++i)
        EXPECT_GE(IdOf(tutorial, "Instruction_" + std::to_string(i)), 0) << i;
    for (const char* name : {"InstructionArrow", "TutorialArrow_3", "ContinueClicker", "StallCBParent", "SeatsCBParent",
                             "StallBtnBlocker", "StatsBtnBlocker", "TutorialSystem"})
        EXPECT_GE(IdOf(tutorial, name), 0) << name;
}

TEST(LevelFlowContent, EveryStallALevelHoldsOrBuildsCanBeUpgradedAsOftenAsItsMissionsAsk)
{
    // The upgrade mission asks for up to 3, 6 and 9 upgrades of one stall.
    const fs::path archetypes = fs::path(KITE_ASSET_ROOT) / "Archetypes";
    const std::map<std::string, int> needed = {{"Level1", 3}, {"Level2", 6}, {"Level3", 9}};
    for (const auto& [scene, n] : needed)
    {
        SCOPED_TRACE(scene);
        int stalls = 0;
        for (const auto& [id, name] : Objects(scene))
        {
            const std::string body = Read(kScenes / scene / (std::to_string(id) + ".xml"));
            std::vector<std::string> countdowns = All(body, "upgradeCountdown");
            // Build buttons: the stall they make.
            for (const std::string& spawned : All(body, "toBeSpawned_"))
            {
                const std::string archetype = Read(archetypes / (spawned + ".xml"));
                if (archetype.find("<StallsBehaviour>") == std::string::npos)
                    continue;
                const auto more = All(archetype, "upgradeCountdown");
                EXPECT_EQ(more.size(), 1u) << spawned;
                countdowns.insert(countdowns.end(), more.begin(), more.end());
            }
            for (const std::string& c : countdowns)
            {
                ++stalls;
                EXPECT_GE(std::stoi(c), n) << name << " " << id;
            }
        }
        EXPECT_GE(stalls, 8);
    }
}
