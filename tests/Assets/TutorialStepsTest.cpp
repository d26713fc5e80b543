// The shipped tutorial as a newcomer meets it, driven through the pointer and
// the left button: a click a step asks for reaches what it is made on, every
// step that waits for a click says so, no step that waits for a click tells
// the player to wait for something else, and the last words agree with the
// button that follows them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Assets/ShippedGame.h"
#include "Building/SpawnButton.h"
#include "Building/UpgradeBehaviour.h"
#include "Core/Engine/Engine.h"
#include "Core/Factory/GameObjectFactory.h"
#include "Core/Graphics/Graphics.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Economy/LevelFlags.h"
#include "Flow/TutorialSystem.h"
#include "Platform/Fake/FakePlatform.h"
#include "Platform/VirtualKeys.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "Trouble/FireResolver.h"

using namespace KiteFramework;

namespace
{
    class TutorialSteps : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(game.Start({"TutorialLevel"}));
            ASSERT_EQ(game.Load("TutorialLevel"), "");
            GameObject* o = FACTORY->FindObjByName("TutorialSystem");
            tutorial = o ? o->GetComponent<TutorialSystem>() : nullptr;
            ASSERT_NE(tutorial, nullptr);
        }
        void TearDown() override
        {
            game.Stop();
            GetLevelFlags() = {false, false, false};
        }

        void Frames(int n)
        {
            for (int i = 0; i < n; ++i)
                game.GameEngine().Step();
        }

        void PointerAt(Vector2D world) { game.PointerAt(world); }

        // A player's click: the pointer moves there, the button goes down
        // for a few frames and comes up again.
        void ClickAt(Vector2D world)
        {
            Platform::FakePlatform& fake = game.Fake();
            PointerAt(world);
            fake.PushMouse(Platform::EventType::MouseMove, fake.cursorX, fake.cursorY);
            Frames(2);
            fake.PushMouse(Platform::EventType::MouseDown, fake.cursorX, fake.cursorY, 0);
            fake.SetKeyDown(VK::LButton, true);
            Frames(3);
            fake.PushMouse(Platform::EventType::MouseUp, fake.cursorX, fake.cursorY, 0);
            fake.SetKeyDown(VK::LButton, false);
            Frames(3);
        }

        // An empty spot of the court, clear of the HUD and the build places.
        void ClickAnywhere() { ClickAt(Vector2D(300.0f, -160.0f)); }

        static GameObject* Find(const std::string& name) { return FACTORY->FindObjByName(name); }
        static bool Active(const std::string& name)
        {
            const GameObject* o = Find(name);
            return o && o->isActive();
        }
        static Vector2D At(const GameObject* o) { return o->GetComponent<Transform>()->GetTransVec(); }
        static std::string Words(const GameObject* o)
        {
            const Text* t = o ? o->GetComponent<Text>() : nullptr;
            return t ? t->String() : std::string();
        }
        static std::string Instruction(int n) { return Words(Find("Instruction_" + std::to_string(n))); }

        // The first instruction whose words hold `part`; -1 when none does.
        static int InstructionSaying(const std::string& part)
        {
            for (int n = 0; n < TutorialSystem::StepCount; ++n)
                if (Instruction(n).find(part) != std::string::npos)
                    return n;
            return -1;
        }

        // Moves the tutorial on to step n as the player would, showing its
        // instruction.
        void GoTo(int n)
        {
            const int from = tutorial->GetStep();
            Find("Instruction_" + std::to_string(from))->setActive(false);
            tutorial->SetStep(n);
            Find("Instruction_" + std::to_string(n))->setActive(true);
        }

        // The drinks stall dropped from its build button on a stall place.
        StallsBehaviour* BuildFirstStall()
        {
            GameObject* buttonObject = Find("BuildStall01");
            GameObject* node = Find("StallNode2");
            SpawnButton* button = buttonObject ? buttonObject->GetComponent<SpawnButton>() : nullptr;
            if (!button || !node)
                return nullptr;
            button->OnMouseDown();
            GameObject* carried = Find("Stall01");
            StallsBehaviour* stall = carried ? carried->GetComponent<StallsBehaviour>() : nullptr;
            if (!stall)
                return nullptr;
            const Vector2D at = At(node);
            carried->GetComponent<Transform>()->SetTrans(at.x, at.y);
            stall->OnMouseUp();
            return StallsSystem::Instance()->GetStallCount() > 0 ? stall : nullptr;
        }

        KiteTest::ShippedGame game;
        TutorialSystem* tutorial = nullptr;
    };
}

TEST_F(TutorialSteps, TheClicksAStepAsksForReachTheFireAndTheStatisticsButton)
{
    // The trouble step: a click on the burning stall fights the fire.
    StallsBehaviour* stall = BuildFirstStall();
    ASSERT_NE(stall, nullptr);
    Frames(2);
    const int fireStep = InstructionSaying("Fires");
    ASSERT_GE(fireStep, 0);
    GoTo(fireStep);
    ASSERT_TRUE(Active("ContinueClicker")) << "the trouble step waits for a click";
    stall->SetOnFire();
    Frames(2);
    FireResolver* fire = stall->GetFireObject() ? stall->GetFireObject()->GetComponent<FireResolver>() : nullptr;
    ASSERT_NE(fire, nullptr);
    const float before = fire->GetOwner()->GetComponent<Transform>()->GetScaleVec().x;
    ClickAt(At(fire->GetOwner()));
    EXPECT_EQ(fire->GetClicks(), 1) << "the click on the fire went to the tutorial only";
    EXPECT_LT(fire->GetOwner()->GetComponent<Transform>()->GetScaleVec().x, before);
    EXPECT_EQ(tutorial->GetStep(), fireStep + 1) << "the same click moves the tutorial on";

    // The statistics step: clicking on from the step before, the button is
    // free by the time the words point at it, and a click on it opens the
    // statistics.
    const int statsStep = InstructionSaying("statistics button");
    ASSERT_GT(statsStep, fireStep);
    GoTo(statsStep - 2);
    ASSERT_TRUE(Active("StatsBtnBlocker"));
    ClickAnywhere();
    ClickAnywhere();
    ASSERT_EQ(tutorial->GetStep(), statsStep);
    EXPECT_FALSE(Active("StatsBtnBlocker")) << "the words ask for a button that is still covered";
    ASSERT_FALSE(Active("StatsWindow"));
    ClickAt(At(Find("StatsButton")));
    EXPECT_TRUE(Active("StatsWindow")) << "the click on the statistics button did not open them";
    EXPECT_EQ(tutorial->GetStep(), statsStep + 1);
}

TEST_F(TutorialSteps, EveryStepThatWaitsForAClickSaysSo)
{
    GameObject* clicker = Find("ContinueClicker");
    ASSERT_NE(clicker, nullptr);
    // The hint goes with the clicker, which is shown exactly while a step
    // waits for a click.
    GameObject* hint = nullptr;
    for (GameObject* child : clicker->GetChildren())
        if (Words(child).find("Click anywhere") != std::string::npos)
            hint = child;
    ASSERT_NE(hint, nullptr) << "nothing on the screen says that a click goes on";

    // As the first stall stands the tutorial waits for clicks, then for the
    // player to use the stall's menu.
    ClickAnywhere();
    Find("StallCBParent")->setActive(true);
    Frames(2);
    ASSERT_NE(BuildFirstStall(), nullptr);
    Frames(2);
    ASSERT_EQ(tutorial->GetStep(), 3);
    EXPECT_TRUE(hint->isActive()) << Instruction(3);
    // It lies over the box it belongs to and inside the screen.
    const GameObject* box = Find("Instruction_3");
    EXPECT_LT(hint->GetComponent<Transform>()->GetDepth(), box->GetComponent<Transform>()->GetDepth());
    const Vector2D h = At(hint), b = At(box);
    const Vector2D hs = hint->GetComponent<Transform>()->GetScaleVec() * (GRAPHICS->pixelsPerUnit / 2.0f);
    const Vector2D bs = box->GetComponent<Transform>()->GetScaleVec() * (GRAPHICS->pixelsPerUnit / 2.0f);
    EXPECT_LT(std::fabs(h.x - b.x), bs.x + hs.x);
    EXPECT_LT(std::fabs(h.y - b.y), bs.y + hs.y);
    EXPECT_LT(std::fabs(h.x) + hs.x, 800.0f);
    EXPECT_LT(std::fabs(h.y) + hs.y, 450.0f);
    ClickAnywhere();
    EXPECT_TRUE(hint->isActive());
    ClickAnywhere();
    // On to the stall's menu (open already when the drop opened it) and its
    // upgrade button: waits for the player's doing, with no click hint.
    ASSERT_GE(tutorial->GetStep(), 5);
    ASSERT_FALSE(TutorialSystem::WaitsForClick(tutorial->GetStep()));
    EXPECT_FALSE(hint->isActive()) << "step " << tutorial->GetStep() << " says a click goes on";
}

TEST_F(TutorialSteps, NoClickStepTellsThePlayerToWaitAndAFinishedUpgradeIsNotWaitedFor)
{
    for (int n = 0; n < TutorialSystem::StepCount; ++n)
        if (TutorialSystem::WaitsForClick(n))
        {
            const std::string words = Instruction(n);
            EXPECT_EQ(words.find("Wait"), std::string::npos) << n << ": " << words;
            EXPECT_EQ(words.find("wait for"), std::string::npos) << n << ": " << words;
        }

    // The upgrade finished long before the step that waits for it.
    StallsBehaviour* stall = BuildFirstStall();
    ASSERT_NE(stall, nullptr);
    stall->GetOwner()->GetComponent<UpgradeBehaviour>()->upgrading = false;
    GoTo(19);
    ClickAnywhere();
    EXPECT_EQ(tutorial->GetStep(), 21) << "the finished upgrade is still waited for";
}

TEST_F(TutorialSteps, TheLastWordsAgreeWithTheButtonThatFollows)
{
    GoTo(TutorialSystem::StepCount - 1);
    const std::string last = Instruction(TutorialSystem::StepCount - 1);
    ClickAnywhere();
    ASSERT_EQ(tutorial->GetStep(), TutorialSystem::StepCount);
    // The completion panel slides in; its button comes with it.
    Frames(120);
    GameObject* button = Find("TutorialCompleteNextBtn");
    ASSERT_NE(button, nullptr);
    const std::string caption = Words(button);
    ASSERT_NE(caption.find("menu"), std::string::npos) << caption;
    EXPECT_NE(last.find("menu"), std::string::npos) << "\"" << last << "\" is followed by \"" << caption << "\"";
    EXPECT_EQ(last.find("open Level"), std::string::npos) << "\"" << last << "\" is followed by \"" << caption << "\"";
}
