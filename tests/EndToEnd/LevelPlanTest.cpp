// Reading a level's missions from the game's printed lines: the drawn
// targets, their progress, the stars, and lines that only look alike.
#include <gtest/gtest.h>

#include "EndToEnd/LevelPlan.h"

using KiteTest::LevelPlan;

TEST(LevelPlan, ReadsDrawnMissionsProgressAndStars)
{
    LevelPlan plan;
    plan.Read("Mission 1: Build 2 seats added.\n"
              "Channel used is 30\n"
              "Mission 1: Upgrade a stall 6 times added.\r\n"
              "Mission 1: Serve 150 customers added.\n"
              "Mission 2: Earn 100 likes added.\n"
              "Mission 3: Earn $2500 added.\n"
              "Mission 3: Earn 150 likes added.\n"
              "SEATS: 1/2\n"
              "UPGRADE: 3/6\n"
              "SERVE: 12/150\n");
    EXPECT_EQ(plan.seats.target, 2);
    EXPECT_EQ(plan.seats.progress, 1);
    EXPECT_EQ(plan.upgrade.target, 6);
    EXPECT_EQ(plan.upgrade.progress, 3);
    EXPECT_EQ(plan.serve.target, 150);
    EXPECT_EQ(plan.serve.progress, 12);
    EXPECT_EQ(plan.stalls.target, 0) << "a mission that was not drawn";
    EXPECT_FALSE(plan.NeedsStalls());
    EXPECT_TRUE(plan.NeedsSeats());
    EXPECT_TRUE(plan.NeedsUpgrade());
    EXPECT_EQ(plan.moneyGoal, 2500);
    EXPECT_EQ(plan.likesGoal, 150);
    EXPECT_EQ(plan.stars, 0);

    plan.Read("Mission 1: Build 2 seats added.\nMission 1: Upgrade a stall 6 times added.\n"
              "SEATS: 1/2\nSEATS DONE\nUPGRADE: 5/6\nUPGRADE DONE\n-----FIRST STAR MISSION DONE-----\n");
    EXPECT_TRUE(plan.seats.done);
    EXPECT_EQ(plan.upgrade.progress, 6);
    EXPECT_EQ(plan.stars, 1);
    EXPECT_FALSE(plan.NeedsSeats());
    EXPECT_FALSE(plan.NeedsUpgrade());
}

TEST(LevelPlan, LaterStarsDoNotMoveFirstStarMissionsAndEachReadStartsAfresh)
{
    LevelPlan plan;
    plan.Read("Mission 1: Build 3 stalls added.\nBUILD: 1/3\n-----FIRST STAR MISSION DONE-----\n"
              "BUILD: 9/3\nMONEY: 40/1500\n-----SECOND STAR MISSION DONE-----\n");
    EXPECT_EQ(plan.stalls.progress, 1);
    EXPECT_EQ(plan.stars, 2);
    EXPECT_FALSE(plan.NeedsStalls()) << "nothing is needed once the first star is done";

    // The next level's lines alone: nothing of the last one carries over.
    plan.Read("Mission 1: Build 4 stalls added.\n");
    EXPECT_EQ(plan.stars, 0);
    EXPECT_EQ(plan.stalls.target, 4);
    EXPECT_EQ(plan.stalls.progress, 0);
    EXPECT_TRUE(plan.NeedsStalls());
    plan.Read("-----THIRD STAR MISSION DONE-----\n");
    EXPECT_EQ(plan.stars, 3);
}
