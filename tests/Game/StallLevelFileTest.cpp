// A level's stalls and seats read from file: what the stored level does not
// say is restored (link nodes, queue side, seat places, upper-floor users),
// nothing is charged again, and the level is written back unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Game/StallWorld.h"

using namespace KiteTest;

namespace
{
    std::string Bytes(const std::filesystem::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    class LevelFile : public StallWorld
    {
    protected:
        // Builds a small level in memory the way the game leaves it after
        // buying: systems, a waypoint pair, a left-queue stall on an upper
        // node with its link node, a table with its four link nodes.
        void BuildAndSave(const std::string& name)
        {
            LevelSystems();
            stats->SetMoney(1000.0f);
            seats->upperSeatsOffset = Vector2D(40.0f, 20.0f);
            seats->lowerSeatsOffset = Vector2D(40.0f, -20.0f);
            GameObject* floor = Make("SecondFloor");
            auto* upper = Add<SecondFloorController>(floor, CT_SecondFloorController);
            upper->nodesToLink = {{"os1", "up1"}};
            for (const char* label : {"start1", "start2", "os1", "os2", "up1", "o1", "o2", "o3", "o4"})
                Node(label, static_cast<float>(label[0]) * 3.0f, static_cast<float>(label[1]) * 2.0f);

            StallPlacementNode* node = StallNode("StallNode1", 100.0f, 50.0f, true);
            node->nodesToBeConnected = {"os1", "os2"};
            node->GetOwner()->AddComponent(CT_SecondFloorIndicator);
            StallsBehaviour* stall = StoredStall(2, node);
            stall->CreateStallLinkNode(node);
            // As the level is written by its generator: links under their stall.
            stall->GetLinkNode()->GetOwner()->AddParent(stall->GetOwner());

            GameObject* seatNodeObject = Make("SeatNode1", -200.0f, -100.0f);
            auto* seatNode = Add<SeatPlacementNode>(seatNodeObject, CT_SeatPlacementNode);
            seatNode->nodesToBeConnected = {"o1", "o2", "o3", "o4"};
            GameObject* seatObject = Make("Seat1", -200.0f, -100.0f);
            auto* seat = Add<SeatsBehaviour>(seatObject, CT_SeatsBehaviour);
            seatObject->AddParent(seatNodeObject);
            seat->CreateSeatLinkNodes(seatNode);
            for (int i = 0; i < SeatsBehaviour::PlaceCount; ++i)
                seat->GetLinkVertex(i)->GetOwner()->AddParent(seatObject);
            ASSERT_TRUE(factory->SerialiseLevel(name));
        }

        void Load(const std::string& name)
        {
            scenes->LoadLevel(name);
            scenes->Update();
        }

        std::filesystem::path SceneDir() const { return root / "Assets" / "Scenes"; }

        // Every file of a saved scene, by name, with its bytes.
        std::map<std::string, std::string> Files(const std::string& name) const
        {
            std::map<std::string, std::string> files;
            files["index"] = Bytes(SceneDir() / (name + ".xml"));
            for (const auto& entry : std::filesystem::directory_iterator(SceneDir() / name))
                files[entry.path().filename().string()] = Bytes(entry.path());
            return files;
        }

        template <typename T>
        T* FindComponent(const std::string& objectName) const
        {
            GameObject* o = factory->FindObjByName(objectName);
            return o ? o->GetComponent<T>() : nullptr;
        }
    };
}

TEST_F(LevelFile, StallsAndSeatsReadBackWhole)
{
    BuildAndSave("Stored");
    Load("Stored");
    StallsSystem* system = StallsSystem::Instance();
    SeatsSystem* seatSystem = SeatsSystem::Instance();
    LevelStatsSystem* levelStats = LevelStatsSystem::Instance();
    ASSERT_NE(system, nullptr);
    ASSERT_NE(seatSystem, nullptr);
    ASSERT_NE(levelStats, nullptr);

    auto* stall = FindComponent<StallsBehaviour>("Stall2");
    ASSERT_NE(stall, nullptr);
    EXPECT_TRUE(system->IsPlaced(stall));
    EXPECT_EQ(system->GetStallCount(), 1u);
    // Upkeep from the table before the stall joined the total.
    EXPECT_FLOAT_EQ(stall->upkeep, 7.0f);
    EXPECT_FLOAT_EQ(system->GetTotalUpkeep(), 7.0f);
    EXPECT_TRUE(stall->queueToLeft);
    ASSERT_NE(stall->GetLinkNode(), nullptr);
    EXPECT_EQ(stall->GetLinkNode()->GetStall(), stall);
    EXPECT_EQ(levelStats->Money(), 1000.0f);
    EXPECT_EQ(SecondFloorController::Instance()->GetLinkUsers(), 1);
    // The stairs are open: customers can walk from the floor up and back.
    auto linked = [&](const std::string& from, const std::string& to) {
        const VertexNode* node = graph->GetNodeList().at(from);
        for (const VertexNode* n : node->GetActiveNeighbours())
            if (n->Label() == to)
                return true;
        return false;
    };
    EXPECT_TRUE(linked("os1", "up1"));
    EXPECT_FALSE(linked("up1", "os1")) << "the stored pair is one way";
    EXPECT_FALSE(graph->GetShortestPath(graph->GetNodeList().at("os1"), graph->GetNodeList().at("up1")).empty());
    // Selling the only upper stall closes them again.
    stall->Sell();
    factory->Update();
    EXPECT_FALSE(linked("os1", "up1"));

    auto* seat = FindComponent<SeatsBehaviour>("Seat1");
    ASSERT_NE(seat, nullptr);
    EXPECT_TRUE(seatSystem->IsPlaced(seat));
    for (int i = 0; i < SeatsBehaviour::PlaceCount; ++i)
    {
        VertexNode* v = seat->GetLinkVertex(i);
        ASSERT_NE(v, nullptr) << i;
        EXPECT_EQ(v->Label(), "SeatNode1" + std::to_string(i));
        EXPECT_EQ(v->GetOwner()->GetComponent<SeatNodesLink>()->GetSeatIndex(), i);
        EXPECT_EQ(v->GetOwner()->GetComponent<SeatNodesLink>()->GetSeat(), seat);
    }
}

TEST_F(LevelFile, StoredStallsAreNeitherChargedNorRefusedWhenMoneyIsShort)
{
    BuildAndSave("Poor");
    // The level starts with less money than the stall and table cost.
    std::filesystem::path statsFile;
    for (const auto& entry : std::filesystem::directory_iterator(SceneDir() / "Poor"))
        if (Bytes(entry.path()).find("<LevelStatsSystem>") != std::string::npos)
            statsFile = entry.path();
    ASSERT_FALSE(statsFile.empty());
    std::string text = Bytes(statsFile);
    const std::string money = "<Money>1000</Money>";
    ASSERT_NE(text.find(money), std::string::npos);
    text.replace(text.find(money), money.size(), "<Money>5</Money>");
    std::ofstream(statsFile, std::ios::binary) << text;

    Load("Poor");
    EXPECT_FLOAT_EQ(LevelStatsSystem::Instance()->Money(), 5.0f);
    EXPECT_EQ(StallsSystem::Instance()->GetStallCount(), 1u);
    EXPECT_EQ(SeatsSystem::Instance()->GetSeatCount(), 1u);
    factory->Update();
    EXPECT_NE(factory->FindObjByName("Stall2"), nullptr);
    EXPECT_EQ(factory->FindObjByName("NoMoney"), nullptr);
}

TEST_F(LevelFile, ReadAndWrittenBackUnchanged)
{
    BuildAndSave("First");
    Load("First");
    ASSERT_TRUE(factory->SerialiseLevel("Second"));
    const auto first = Files("First");
    const auto second = Files("Second");
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [file, bytes] : first)
    {
        ASSERT_TRUE(second.count(file)) << file;
        EXPECT_EQ(bytes, second.at(file)) << file;
    }
}

TEST_F(LevelFile, BrokenReferencesAreReportedAndTheLevelRuns)
{
    BuildAndSave("Broken");
    // The stall's link names an object that is not a stall, a seat link
    // has a label without a place, and the stall and seat systems are gone.
    for (const auto& entry : std::filesystem::directory_iterator(SceneDir() / "Broken"))
    {
        std::string text = Bytes(entry.path());
        bool changed = false;
        const auto swap = [&](const std::string& from, const std::string& to) {
            const auto at = text.find(from);
            if (at != std::string::npos)
            {
                text.replace(at, from.size(), to);
                changed = true;
            }
        };
        swap("<stallGOindex>", "<stallGOindex>1");
        swap("<Label>SeatNode12</Label>", "<Label>SeatNodeX</Label>");
        swap("<StallsSystem>", "<NoSuchThing>");
        swap("</StallsSystem>", "</NoSuchThing>");
        if (changed)
            std::ofstream(entry.path(), std::ios::binary) << text;
    }
    testing::internal::CaptureStderr();
    Load("Broken");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(StallsSystem::Instance(), nullptr);
    EXPECT_NE(errors.find("no StallsSystem"), std::string::npos) << errors;
    EXPECT_NE(errors.find("SeatNodeX"), std::string::npos) << errors;
    EXPECT_NE(errors.find("no stall with object id"), std::string::npos) << errors;
    ASSERT_NE(factory->FindObjByName("Stall2"), nullptr);
    Step(120);
}
