// The tutorial's step machine: clicks, panels, placed stalls and seats, the
// upgrade menu, trash, the cash cloud, the money gifts and flag 0.
#include <cmath>

#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeSystem.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/LevelFlags.h"
#include "Flow/TutorialSystem.h"
#include "FlowWorld.h"
#include "Seats/SeatsBehaviour.h"
#include "Seats/SeatsSystem.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/TrashController.h"
#include "World/TimeAndWeatherSystem.h"

using namespace KiteTest;

namespace
{
    class Tutorial : public FlowWorld
    {
    protected:
        void SetUp() override
        {
            FlowWorld::SetUp();
            SimpleArchetype("TutorialComplete");
            GameObject* cloud = Make("CashCloud");
            cloud->AddComponent(CT_Sprite);
            cloud->AddComponent(CT_CloudMotor);
            Archetype("CashCloud", cloud);

            stats = Add<LevelStatsSystem>(Make("Stats"), CT_LevelStatsSystem);
            stats->SetMoney(100.0f);
            stalls = Add<StallsSystem>(Make("Stalls"), CT_StallsSystem);
            seats = Add<SeatsSystem>(Make("Seats"), CT_SeatsSystem);
            trash = Add<TrashController>(Make("Trash"), CT_TrashController);
            weather = Add<TimeAndWeatherSystem>(Make("Weather"), CT_TimeAndWeatherSystem);
            for (int i = 0; i < TutorialSystem::StepCount; ++i)
                Make("Instruction_" + std::to_string(i));
            Make("InstructionArrow");
            for (int i = 0; i < 4; ++i)
                Make("TutorialArrow_" + std::to_string(i));
            Make("StallCBParent")->setActive(false);
            Make("SeatsCBParent")->setActive(false);
            for (const char* name : {"StallBtnBlocker", "SeatBtnBlocker", "Stall1Blocker", "Stall4Blocker",
                                     "Stall1SellBtnBlocker", "Stall1UpgradeBtnBlocker", "Stall4SellBtnBlocker",
                                     "Stall4UpgradeBtnBlocker", "SynergyBtnBlocker", "StatsBtnBlocker"})
                Make(name);
            Make("ContinueClicker");
            Make("SeatNode1");
            Make("SeatNode2");
            tutorial = Add<TutorialSystem>(Make("Tutorial"), CT_TutorialSystem);
            tutorial->Initialise();
            GetLevelFlags() = {false, false, false};
        }

        void TearDown() override
        {
            GetLevelFlags() = {false, false, false};
            FlowWorld::TearDown();
        }

        // A press held for some frames, then let go.
        void Click(int held = 1)
        {
            fake.SetKeyDown(VK::LButton, true);
            Step(held + 1);
            fake.SetKeyDown(VK::LButton, false);
            Step(2);
        }

        // A click on a step that waits for one: the clicker that takes it
        // (and carries the hint that a click goes on) is shown, and only
        // then.
        void ClickToGoOn()
        {
            const int at = tutorial->GetStep();
            EXPECT_TRUE(TutorialSystem::WaitsForClick(at)) << "step " << at;
            EXPECT_TRUE(On("ContinueClicker")) << "step " << at << " waits for a click and does not say so";
            Click();
            EXPECT_EQ(tutorial->GetStep(), at + 1);
            if (!TutorialSystem::WaitsForClick(tutorial->GetStep()))
                EXPECT_FALSE(On("ContinueClicker")) << "step " << tutorial->GetStep() << " asks for a click it does not wait for";
        }

        bool Shown(int n) { return Find("Instruction_" + std::to_string(n))->isActive(); }
        bool On(const char* name) { return Find(name)->isActive(); }

        StallsBehaviour* PlaceStall(const char* name, float x)
        {
            GameObject* o = Make(name, x, 218.0f);
            StallsBehaviour* stall = Add<StallsBehaviour>(o, CT_StallsBehaviour);
            Add<UpgradeBehaviour>(o, CT_UpgradeBehaviour);
            stalls->AddStoredStall(stall);
            return stall;
        }

        GameObject* UpgradeMenu(GameObject* stall)
        {
            GameObject* menu = Make("UpgradeMenuParent");
            menu->AddParent(stall);
            return menu;
        }

        LevelStatsSystem* stats = nullptr;
        StallsSystem* stalls = nullptr;
        SeatsSystem* seats = nullptr;
        TrashController* trash = nullptr;
        TimeAndWeatherSystem* weather = nullptr;
        TutorialSystem* tutorial = nullptr;
    };
}

TEST_F(Tutorial, WalksEveryStepToTheEndAndOpensLevel1)
{
    EXPECT_TRUE(Shown(0));
    EXPECT_FALSE(Shown(1));
    Step(3);
    EXPECT_FALSE(stalls->stallsMovable) << "nothing moves before the first click";
    EXPECT_FALSE(seats->seatsMovable);

    // A long press is one click.
    Click(20);
    EXPECT_EQ(tutorial->GetStep(), 1);
    EXPECT_FALSE(Shown(0));
    EXPECT_TRUE(Shown(1));
    EXPECT_FALSE(On("StallBtnBlocker"));
    EXPECT_EQ(Find("InstructionArrow")->GetComponent<Transform>()->GetTransVec().x, 370.0f);

    Click();
    EXPECT_EQ(tutorial->GetStep(), 1) << "step 1 waits for the stall panel";
    Find("StallCBParent")->setActive(true);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 2);
    EXPECT_TRUE(On("StallBtnBlocker"));
    EXPECT_TRUE(On("TutorialArrow_1"));
    EXPECT_FALSE(On("TutorialArrow_3"));

    StallsBehaviour* first = PlaceStall("Stall01", -125.0f);
    Step();
    ASSERT_EQ(tutorial->GetStep(), 3);
    // The blockers lie on the buttons of the stall's menu.
    const Vector2D stallAt(-125.0f, 218.0f);
    EXPECT_EQ(Find("Stall1SellBtnBlocker")->GetComponent<Transform>()->GetTransVec(),
              stallAt + UpgradeSystem::SellButtonOffset());
    EXPECT_EQ(Find("Stall1UpgradeBtnBlocker")->GetComponent<Transform>()->GetTransVec(),
              stallAt + UpgradeSystem::UpgradeButtonOffset());
    EXPECT_TRUE(On("ContinueClicker"));
    ClickToGoOn();
    ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), 5);
    EXPECT_FALSE(On("ContinueClicker"));

    // Another stall's menu does not count; the first stall's does.
    GameObject* other = PlaceStall("Stall02", 300.0f)->GetOwner();
    UpgradeMenu(other);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 5);
    GameObject* menu = UpgradeMenu(first->GetOwner());
    Step();
    EXPECT_EQ(tutorial->GetStep(), 6);
    EXPECT_FALSE(On("Stall1UpgradeBtnBlocker"));
    // The arrow stands right above the upgrade button, its tip on the button.
    const Vector2D button = stallAt + UpgradeSystem::UpgradeButtonOffset();
    const Vector2D arrow = Find("InstructionArrow")->GetComponent<Transform>()->GetTransVec();
    EXPECT_TRUE(On("InstructionArrow"));
    EXPECT_EQ(arrow.x, button.x);
    EXPECT_GT(arrow.y, button.y);
    EXPECT_LT(arrow.y - 30.0f, button.y + 21.0f) << "the arrow's tip reaches the button";
    // Closing the menu without upgrading goes back; reopening returns.
    menu->setActive(false);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 5);
    EXPECT_TRUE(Shown(5));
    menu->setActive(true);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 6);
    first->level = 2;
    first->GetOwner()->GetComponent<UpgradeBehaviour>()->upgrading = true;
    Step();
    EXPECT_EQ(tutorial->GetStep(), 7);
    EXPECT_TRUE(On("Stall1UpgradeBtnBlocker"));

    ClickToGoOn();
    ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), 9);
    const float before = stats->Money();
    Find("SeatsCBParent")->setActive(true);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 10);
    EXPECT_FLOAT_EQ(stats->Money(), before + 500.0f);
    EXPECT_EQ(Find("TutorialArrow_3")->GetComponent<Transform>()->GetTransVec().x, 171.0f);

    GameObject* seat = Make("Seat01");
    seat->AddParent(Find("SeatNode1"));
    seats->AddStoredSeat(Add<SeatsBehaviour>(seat, CT_SeatsBehaviour));
    Step();
    EXPECT_EQ(tutorial->GetStep(), 11);
    ClickToGoOn();
    EXPECT_FALSE(stalls->stallsMovable);
    ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), 13);
    EXPECT_TRUE(stalls->stallsMovable) << "moving is allowed from the click that ends step 12";
    EXPECT_TRUE(seats->seatsMovable);
    Click();
    EXPECT_EQ(tutorial->GetStep(), 13) << "step 13 waits for the seat to move";
    seat->AddParent(Find("SeatNode2"));
    Step();
    EXPECT_EQ(tutorial->GetStep(), 14);
    EXPECT_FALSE(seats->seatsMovable);

    for (int n = 14; n < 20; ++n)
        ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), 20);
    EXPECT_FALSE(On("SynergyBtnBlocker"));
    Step();
    EXPECT_EQ(tutorial->GetStep(), 20) << "the upgrade is still running";
    first->GetOwner()->GetComponent<UpgradeBehaviour>()->upgrading = false;
    Find("StallCBParent")->setActive(false);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 21);
    Find("StallCBParent")->setActive(true);
    const float beforeSecond = stats->Money();
    Step();
    EXPECT_EQ(tutorial->GetStep(), 22);
    EXPECT_FLOAT_EQ(stats->Money(), beforeSecond + 650.0f);
    Step();
    EXPECT_FALSE(On("Stall4Blocker"));
    EXPECT_EQ(tutorial->GetStep(), 22) << "the second stall here is Stall02, not the one asked for";
    PlaceStall("Stall04", 375.0f);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 23);
    EXPECT_EQ(Find("Stall4SellBtnBlocker")->GetComponent<Transform>()->GetTransVec().x, 375.0f + 41.0f);

    trash->TrashPlaced();
    ClickToGoOn();
    ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), 25);
    // New trash while waiting is not a binned piece; a drop is.
    trash->TrashPlaced();
    Step();
    EXPECT_EQ(tutorial->GetStep(), 25);
    trash->TrashCleared();
    Step();
    EXPECT_EQ(tutorial->GetStep(), 26);

    ClickToGoOn();
    ClickToGoOn();
    ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), 29);
    ASSERT_NE(tutorial->GetCashCloud(), nullptr);
    // A cloud that drifts off is made again.
    tutorial->GetCashCloud()->GetComponent<Transform>()->SetTrans(2000.0f, 0.0f);
    Step();
    ASSERT_NE(tutorial->GetCashCloud(), nullptr);
    EXPECT_LT(std::fabs(tutorial->GetCashCloud()->GetComponent<Transform>()->GetTransVec().x), 900.0f);
    Destroy(tutorial->GetCashCloud());
    Step(2);
    EXPECT_NE(tutorial->GetCashCloud(), nullptr) << "a cloud that ran out is made again";
    EXPECT_EQ(tutorial->GetStep(), 29);
    weather->collectedCashClouds = 1;
    Step();
    EXPECT_EQ(tutorial->GetStep(), 30);

    ClickToGoOn();
    ClickToGoOn();
    EXPECT_FALSE(On("StatsBtnBlocker"));
    ClickToGoOn();
    EXPECT_FALSE(GetLevelFlags()[0]);
    ClickToGoOn();
    EXPECT_EQ(tutorial->GetStep(), TutorialSystem::StepCount);
    EXPECT_TRUE(GetLevelFlags()[0]);
    EXPECT_NE(Find("TutorialComplete"), nullptr);
    EXPECT_FALSE(Shown(33));
    Click();
    EXPECT_EQ(tutorial->GetStep(), TutorialSystem::StepCount);
}

TEST_F(Tutorial, MissingObjectsAreSkippedAndTheTutorialWaits)
{
    // A scene without the panels and blockers still runs its clicks.
    factory->DeleteAllObjects();
    factory->Update();
    TutorialSystem* bare = Add<TutorialSystem>(Make("Tutorial"), CT_TutorialSystem);
    bare->Initialise();
    Click();
    EXPECT_EQ(bare->GetStep(), 1);
    Step(10);
    EXPECT_EQ(bare->GetStep(), 1) << "no stall panel: it waits";
    bare->SetStep(2);
    Step(5);
    EXPECT_EQ(bare->GetStep(), 2) << "no stall system: it waits";

    GameComponent* copy = bare->Clone();
    EXPECT_EQ(static_cast<TutorialSystem*>(copy)->GetStep(), 2);
    delete copy;
}

TEST_F(Tutorial, WhatAStepKeepsUpAlsoRunsInTheFrameItEnds)
{
    // Upgrading and closing the menu in one frame: the step moves on, then
    // the closed menu sends it back, leaving both instructions shown.
    StallsBehaviour* first = PlaceStall("Stall01", -125.0f);
    GameObject* menu = UpgradeMenu(first->GetOwner());
    tutorial->SetStep(6);
    first->level = 2;
    menu->setActive(false);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 5);
    EXPECT_TRUE(Shown(5));
    EXPECT_TRUE(Shown(7));
    EXPECT_FALSE(Shown(6));
    EXPECT_TRUE(On("ContinueClicker"));
    // Reopening the menu goes through step 6 on to step 7.
    menu->setActive(true);
    Step(2);
    EXPECT_EQ(tutorial->GetStep(), 7);

    // Both stalls already there when step 22 begins: the fourth stall's
    // blocker still comes off as the step ends.
    PlaceStall("Stall04", 375.0f);
    tutorial->SetStep(22);
    Step();
    EXPECT_EQ(tutorial->GetStep(), 23);
    EXPECT_FALSE(On("Stall4Blocker"));
    EXPECT_FALSE(On("InstructionArrow"));
    EXPECT_TRUE(On("Stall4SellBtnBlocker"));
}
