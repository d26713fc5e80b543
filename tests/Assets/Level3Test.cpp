// The third level as shipped, run by the whole game: it loads without a
// report, and its upper floor is cut off until a stall stands up there, when
// customers can walk up the stairs to it and back to every entrance; selling
// that stall closes the stairs again.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Assets/ShippedGame.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Math/Random.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Scenes/SceneManager.h"
#include "Core/Waypoints/GraphNetwork.h"
#include "Economy/LevelStatsSystem.h"
#include "Stalls/SecondFloorController.h"
#include "Stalls/SecondFloorIndicator.h"
#include "Stalls/StallPlacementNode.h"
#include "Stalls/StallsBehaviour.h"

using namespace KiteFramework;
namespace fs = std::filesystem;

namespace
{
    class Level3 : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start({"Level3"}));
            engine = &game.GameEngine();
            root = game.Root();
            GENRANDNUM::Seed(3);
        }

        void TearDown() override { game.Stop(); }

        std::string Load() { return game.Load("Level3"); }

        static bool Reaches(const std::string& from, const std::string& to)
        {
            return WAYPOINTSYS->GetShortestPath(from, to).size() > 1;
        }

        KiteTest::ShippedGame game;
        Engine* engine = nullptr;
        fs::path root;
    };
}

TEST_F(Level3, UpperFloorOpensWithItsFirstStallAndClosesWithItsLast)
{
    ASSERT_EQ(Load(), "");
    ASSERT_NE(SecondFloorController::Instance(), nullptr);

    // The upper floor's stall places, and the floor itself cut off below.
    std::vector<GameObject*> upper;
    for (const auto& [id, object] : FACTORY->GetObjects())
        if (object->GetComponent<StallPlacementNode>() && object->GetComponent<SecondFloorIndicator>())
            upper.push_back(object);
    ASSERT_EQ(upper.size(), 2u);
    EXPECT_FALSE(Reaches("start1", "up1a"));
    EXPECT_FALSE(Reaches("up2b", "start3"));

    LevelStatsSystem::Instance()->SetMoney(5000.0f);
    std::vector<StallsBehaviour*> stalls;
    for (GameObject* node : upper)
    {
        GameObject* made = Instantiate("Stall1", node->GetComponent<Transform>()->GetTransVec(), 0.0f);
        ASSERT_NE(made, nullptr);
        StallsBehaviour* stall = made->GetComponent<StallsBehaviour>();
        ASSERT_NE(stall, nullptr);
        ASSERT_TRUE(stall->PlaceOnNode(node));
        stall->CreateStallLinkNode(node->GetComponent<StallPlacementNode>());
        stalls.push_back(stall);
        engine->Step();
    }
    EXPECT_EQ(SecondFloorController::Instance()->GetLinkUsers(), 2);
    // Up the stairs to each stall's place and back down to every entrance.
    for (GameObject* node : upper)
        for (const char* entrance : {"start1", "start2", "start3"})
        {
            EXPECT_TRUE(Reaches(entrance, node->getName())) << entrance << " to " << node->getName();
            EXPECT_TRUE(Reaches(node->getName(), entrance)) << node->getName() << " to " << entrance;
        }

    // Selling one keeps the stairs; selling the last closes them.
    stalls[0]->Sell();
    engine->Step();
    EXPECT_TRUE(Reaches("start1", "up1a"));
    stalls[1]->Sell();
    engine->Step();
    EXPECT_FALSE(Reaches("start1", "up1a"));
    EXPECT_FALSE(Reaches("up1a", "start1"));
}
