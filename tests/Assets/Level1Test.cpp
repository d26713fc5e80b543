// The first level as shipped, run by the whole game (every system, audio
// included): it and the archetypes load without a report, the level is
// written back byte for byte, its waypoints lead everywhere, and ten minutes
// at four times the speed report nothing. (How customers fare in it is the
// customer tests' Level1Run.)
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "Assets/ShippedGame.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Core/Waypoints/VertexNode.h"
#include "Customers/CustomerSystem.h"
#include "Economy/LevelStatsSystem.h"
#include "Seats/SeatsSystem.h"
#include "Platform/Fake/FakePlatform.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FireResolver.h"
#include "Trouble/Trash.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    const fs::path kSource = KITE_ASSET_ROOT;

    std::string ReadAll(const fs::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool StartsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

    class Level1 : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start({"Level1"}));
            engine = &game.GameEngine();
            root = game.Root();
            startErrors = game.StartReports();
            GENRANDNUM::Seed(9);
        }

        void TearDown() override { game.Stop(); }

        std::string Load() { return game.Load("Level1"); }

        std::string LoadStill() { return game.LoadStill("Level1"); }

        void PointerAt(Vector2D world) { game.PointerAt(world); }

        KiteTest::ShippedGame game;
        Engine* engine = nullptr;
        fs::path root;
        std::string startErrors;
    };
}

TEST_F(Level1, ArchetypesAndLevelLoadWithoutAReportAndAreWrittenBackUnchanged)
{
    EXPECT_EQ(startErrors, "") << "archetypes";
    const auto& templates = ARCHETYPESYS->GetArcheMap();
    for (const char* name :
         {"Customer01", "Customer05", "Stall1", "Stall8", "Seat1", "StallLinkNode", "SeatLinkNode", "SpeechBubbleLike",
          "SpeechBubbleDislike", "SpeechBubbleFrustrated", "SpeechBubbleAngry", "SpeechBubbleNoTime",
          "SpeechBubbleNoSeats", "SpeechPreference", "LoseHeart", "HeartMoving", "CashMoving", "LoseCash", "NoMoney",
          "MaintenanceLoseCash", "PurchaseText", "MaintenanceText"})
        EXPECT_EQ(templates.count(name), 1u) << name;

    // Each template written again gives its file back byte for byte.
    testing::internal::CaptureStderr();
    for (const auto& [name, object] : templates)
    {
        EXPECT_TRUE(ARCHETYPESYS->MakeArchetypeAndSerialise(name, object)) << name;
        EXPECT_EQ(ReadAll(root / "Assets" / "Archetypes" / (name + ".xml")),
                  ReadAll(kSource / "Archetypes" / (name + ".xml")))
            << name;
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    ASSERT_EQ(LoadStill(), "");
    ASSERT_EQ(SCENEMNGR->GetCurrentSceneName(), "Level1");
    for (const char* name : {"MoneyText", "LikesText", "MaintenanceCostText", "Bin"})
        EXPECT_NE(FACTORY->FindObjByName(name), nullptr) << name;

    // Two stalls and a table stored on their nodes are registered as placed.
    ASSERT_NE(StallsSystem::Instance(), nullptr);
    ASSERT_NE(SeatsSystem::Instance(), nullptr);
    EXPECT_EQ(StallsSystem::Instance()->GetStallCount(), 2u);
    EXPECT_EQ(SeatsSystem::Instance()->GetSeatCount(), 1u);
    ASSERT_NE(LevelStatsSystem::Instance(), nullptr);
    EXPECT_EQ(LevelStatsSystem::Instance()->Money(), 1000.0f) << "stored stalls are not bought again";

    testing::internal::CaptureStderr();
    EXPECT_TRUE(FACTORY->SerialiseLevel("Level1"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    const fs::path saved = root / "Assets" / "Scenes";
    EXPECT_EQ(ReadAll(saved / "Level1.xml"), ReadAll(kSource / "Scenes" / "Level1.xml"));
    std::size_t files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kSource / "Scenes" / "Level1"))
    {
        ++files;
        EXPECT_EQ(ReadAll(saved / "Level1" / entry.path().filename()), ReadAll(entry.path()))
            << "Level1/" << entry.path().filename().string();
    }
    EXPECT_EQ(files, static_cast<std::size_t>(std::distance(fs::directory_iterator(saved / "Level1"),
                                                            fs::directory_iterator())));
}

TEST_F(Level1, WaypointGraphHasEntrancesStallSidesAndFloor)
{
    ASSERT_EQ(Load(), "");
    int starts = 0;
    int stallSides = 0;
    for (const VertexNode* node : WAYPOINTSYS->GetAllActiveNodes())
    {
        const std::string& label = node->Label();
        starts += StartsWith(label, "start");
        stallSides += StartsWith(label, "os");
        // Every waypoint a customer can stand on leads somewhere on foot.
        if (StartsWith(label, "o") || StartsWith(label, "start"))
        {
            EXPECT_FALSE(node->GetActiveNeighbours().empty()) << label;
        }
        // Every floor node and entrance reaches every entrance.
        if (StartsWith(label, "start") || (StartsWith(label, "o") && !StartsWith(label, "os")))
        {
            for (const char* exit : {"start1", "start2", "start3"})
                EXPECT_FALSE(WAYPOINTSYS->GetShortestPath(label, exit).size() <= 1 && label != exit)
                    << label << " to " << exit;
        }
    }
    EXPECT_GE(starts, 2);
    EXPECT_GE(stallSides, 4);

    // A stall's link node is a dead end for walking: no way between its two
    // stall-side waypoints leads through the stall.
    int stallLinks = 0;
    for (const VertexNode* node : WAYPOINTSYS->GetAllActiveNodes())
    {
        if (!StartsWith(node->Label(), "StallNode"))
            continue;
        ++stallLinks;
        const std::vector<const VertexNode*> sides = node->GetActiveNeighbours();
        ASSERT_EQ(sides.size(), 2u) << node->Label();
        GraphNetwork::Path path = WAYPOINTSYS->GetShortestPath(sides[0]->Label(), sides[1]->Label());
        for (; !path.empty(); path.pop())
            EXPECT_NE(path.top(), node) << "the way from " << sides[0]->Label() << " to " << sides[1]->Label()
                                        << " runs through " << node->Label();
    }
    EXPECT_EQ(stallLinks, 2);
}

TEST_F(Level1, TenMinutesAtFourTimesSpeedKeepTheCustomersWithinTheCapAndReportNothing)
{
    ASSERT_EQ(Load(), "");
    CustomerSystem* customers = CustomerSystem::Instance();
    ASSERT_NE(customers, nullptr);
    engine->SetTimeFactor(4.0f);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int served = 0;
    for (int frame = 0; frame < 10 * 60 * 60; ++frame)
    {
        engine->Step();
        // The player puts fires out before they spread panic, and clears
        // the tables.
        if (frame % 60 == 0)
            for (const auto& entry : FACTORY->GetObjects())
            {
                if (FireResolver* fire = entry.second->GetComponent<FireResolver>())
                    fire->PutOut();
                if (entry.second->GetComponent<Trash>())
                    Destroy(entry.second);
            }
        if (frame % 600 != 0)
            continue;
        // The cap test is count <= cap before a spawn: at most cap + 1 live.
        ASSERT_LE(customers->count, customers->cap + 1) << "frame " << frame;
        ASSERT_EQ(customers->GetCustomers().size(), static_cast<std::size_t>(customers->count)) << "frame " << frame;
        served = LevelStatsSystem::Instance()->CustomerServed;
    }
    std::string errors = testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(errors, "");
    EXPECT_GT(served, 100);
}

TEST_F(Level1, ClickFeedbackGoesByItself)
{
    // A splash for each click on a fire and a spark for each on a fight:
    // left standing they would pile up over the court.
    ASSERT_EQ(Load(), "");
    std::vector<ObjectHandle> made;
    for (const char* name : {"WaterFeedback", "FightClickFeedback"})
    {
        GameObject* o = Instantiate(name, Vector2D(100.0f, 100.0f), 0.0f);
        ASSERT_NE(o, nullptr) << name;
        made.emplace_back(o);
    }
    testing::internal::CaptureStdout();
    for (int frame = 0; frame < 3 * 60; ++frame)
        engine->Step();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(made[0].Get(), nullptr) << "the water splash stays";
    EXPECT_EQ(made[1].Get(), nullptr) << "the fight spark stays";
}

TEST_F(Level1, EveryClickOnAFireShowsWhatItDid)
{
    // A player who clicks once must see that it counted: the flames lose a
    // good step of their size, and a splash as big as a good part of them
    // lies over them, plainly seen for half a second.
    ASSERT_EQ(Load(), "");
    ASSERT_NE(StallsSystem::Instance(), nullptr);
    ASSERT_FALSE(StallsSystem::Instance()->GetStalls().empty());
    StallsBehaviour* stall = StallsSystem::Instance()->GetStalls().front();
    stall->SetOnFire();
    engine->Step();
    ASSERT_NE(stall->GetFireObject(), nullptr);
    FireResolver* fire = stall->GetFireObject()->GetComponent<FireResolver>();
    ASSERT_NE(fire, nullptr);
    Transform* flames = fire->GetOwner()->GetComponent<Transform>();
    const float fullSize = flames->GetScaleVec().x;
    PointerAt(flames->GetTransVec());
    for (int click = 1; click < fire->targetClickCount; ++click)
    {
        const float before = flames->GetScaleVec().x;
        fire->OnMouseUp();
        EXPECT_LE(flames->GetScaleVec().x, before - fullSize / 5.0f) << "click " << click;
        ObjectHandle splash(FACTORY->FindObjByName("WaterFeedback"));
        ASSERT_NE(splash.Get(), nullptr) << "click " << click;
        const Transform* at = splash.Get<Transform>();
        EXPECT_LT(at->GetDepth(), flames->GetDepth()) << "the splash is hidden by the flames";
        EXPECT_GE(at->GetScaleVec().x, fullSize * 0.6f) << "a splash lost in the flames";
        int seen = 0;
        for (int frame = 0; frame < 600 && splash.Get(); ++frame)
        {
            seen += splash.Get<Sprite>()->GetAlpha() >= 0.5f;
            engine->Step();
        }
        EXPECT_GE(seen, 30) << "click " << click << ": the splash is gone before a player sees it";
        EXPECT_EQ(splash.Get(), nullptr) << "the splash stays";
    }
}
