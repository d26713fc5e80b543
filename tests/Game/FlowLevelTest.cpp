// Level flow: fade overlays and their timing, the level buttons of the
// menu, pause on Escape, the cheat keys, the summary panel and continuing.
#include <cmath>

#include "Core/Engine/FrameRateController.h"
#include "Core/Engine/Message.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/SimulationSystem.h"
#include "Flow/ChangeLevelOverlay.h"
#include "Flow/CheckLevelStatus.h"
#include "Flow/ContinueButton.h"
#include "Flow/FadeInOverlay.h"
#include "Economy/LevelFlags.h"
#include "Flow/OverlayController.h"
#include "Flow/Summary.h"
#include "FlowWorld.h"

using namespace KiteTest;

namespace
{
    class Flow : public FlowWorld
    {
    protected:
        OverlayController* Overlay(float in, float show, float out, bool reversed, const char* level = "Next")
        {
            GameObject* o = Make("Overlay");
            o->AddComponent(CT_Sprite);
            OverlayController* overlay = Add<OverlayController>(o, CT_OverlayController);
            overlay->fadeInDuration = in;
            overlay->showDuration = show;
            overlay->fadeOutDuration = out;
            overlay->reversed = reversed;
            overlay->levelToLoad = level;
            overlay->Initialise();
            return overlay;
        }

        static float Alpha(const OverlayController* overlay)
        {
            return overlay->GetOwner()->GetComponent<Sprite>()->GetAlpha();
        }

        // Frames until the overlay reaches `phase` (or the budget ends).
        int FramesUntilPhase(OverlayController* overlay, int phase)
        {
            int frames = 0;
            while (overlay->GetPhase() < phase && frames < 1000)
            {
                Step();
                ++frames;
            }
            return frames;
        }
    };
}

TEST_F(Flow, OverlayFadesInHoldsFadesOutThenLoads)
{
    ASSERT_TRUE(factory->SerialiseLevel("Next"));
    engine->SetTimeFactor(0.0f);  // fades run on unscaled time
    testing::internal::CaptureStdout();
    OverlayController* overlay = Overlay(1.0f, 2.0f, 1.0f, false);
    EXPECT_EQ(Alpha(overlay), 0.0f);
    const int in = FramesUntilPhase(overlay, 2);
    // Strictly greater than 1 s, and the switch frame does not advance.
    EXPECT_EQ(in, 62);
    EXPECT_EQ(Alpha(overlay), 1.0f);
    const int show = FramesUntilPhase(overlay, 3);
    EXPECT_EQ(show, 122);
    ObjectHandle alive(overlay->GetOwner());
    int out = 0;
    float last = 1.0f;
    while (SceneName() != "Next" && out < 1000)
    {
        last = Alpha(overlay);
        Step();
        ++out;
    }
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, 62);
    EXPECT_NEAR(last, 0.0f, 0.02f);
    EXPECT_EQ(alive.Get(), nullptr);
}

TEST_F(Flow, ZeroLengthPhasesShowTheirEndValueNotNaN)
{
    // The scene-change fade: opaque at once, then a second to opaque again.
    ASSERT_TRUE(factory->SerialiseLevel("Next"));
    OverlayController* overlay = Overlay(0.0f, 0.0f, 1.0f, true);
    EXPECT_EQ(Alpha(overlay), 1.0f);
    Step();
    EXPECT_EQ(Alpha(overlay), 0.0f);
    float last = 0.0f;
    for (int i = 0; i < 200 && SceneName() != "Next"; ++i)
    {
        last = Alpha(overlay);
        ASSERT_FALSE(std::isnan(last));
        Step();
    }
    EXPECT_EQ(SceneName(), "Next");
    EXPECT_NEAR(last, 1.0f, 0.02f);

    OverlayController* instant = Overlay(0.0f, 0.0f, 0.0f, false, "Next");
    Step();
    EXPECT_EQ(Alpha(instant), 1.0f);
    Step(4);
    EXPECT_FALSE(std::isnan(Alpha(instant)));
    EXPECT_EQ(Alpha(instant), 0.0f);
}

TEST_F(Flow, SceneChangeButtonMakesExactlyOneOverlay)
{
    GameObject* proto = Make("ChangeLevelOverlay");
    proto->AddComponent(CT_Sprite);
    Add<OverlayController>(proto, CT_OverlayController)->fadeInDuration = 5.0f;
    Archetype("ChangeLevelOverlay", proto);

    ASSERT_TRUE(factory->SerialiseLevel("Level1"));
    GameObject* b = Make("PlayButton");
    SystemCallButton* button = Add<SystemCallButton>(b, CT_SystemCallButton);
    button->SetFadeOut(true);
    button->SetFnStrParam("Level1");
    button->SetButtonType(SystemCallButton::ChangeLevel);
    Add<ChangeLevelOverlay>(b, CT_ChangeLevelOverlay)->Initialise();
    button->Initialise();
    button->ButtonActive(true);
    MouseCollideMessage down(MsgID::MouseDown), up(MsgID::MouseUp);
    b->SendMessage(&down);
    b->SendMessage(&up);
    ASSERT_TRUE(button->GetMouseUpTriggered());
    Step(5);
    int overlays = 0;
    OverlayController* made = nullptr;
    for (const auto& entry : factory->GetObjects())
        if (OverlayController* c = entry.second->GetComponent<OverlayController>())
        {
            ++overlays;
            made = c;
        }
    EXPECT_EQ(overlays, 1);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->levelToLoad, "Level1");
    EXPECT_TRUE(made->reversed);
    EXPECT_EQ(made->fadeInDuration, 0.0f);
    EXPECT_EQ(made->fadeOutDuration, 1.0f);
    ObjectHandle alive(made->GetOwner());
    // The fade to black takes its second: the overlay runs once a frame.
    int frames = 0;
    while (alive.Get() && frames < 200)
    {
        Step();
        ++frames;
    }
    EXPECT_EQ(alive.Get(), nullptr) << "the button's scene was loaded";
    EXPECT_GE(frames + 5, 60);
    EXPECT_LE(frames + 5, 70);
}

TEST_F(Flow, FadeInOverlayClearsOnceOverHalfASecond)
{
    GameObject* o = Make("FadeIn");
    o->AddComponent(CT_Sprite);
    FadeInOverlay* fade = Add<FadeInOverlay>(o, CT_FadeInOverlay);
    fade->Initialise();
    EXPECT_EQ(o->GetComponent<Sprite>()->GetAlpha(), 1.0f);
    Step(15);
    EXPECT_NEAR(o->GetComponent<Sprite>()->GetAlpha(), 0.5f, 0.02f);
    Step(20);
    const float end = o->GetComponent<Sprite>()->GetAlpha();
    EXPECT_LE(end, 0.0f);
    EXPECT_GT(end, -0.05f);
    Step(10);
    EXPECT_EQ(o->GetComponent<Sprite>()->GetAlpha(), end);
}

TEST_F(Flow, LevelButtonsFollowTheUnlockFlags)
{
    for (int id = 0; id <= 3; ++id)
    {
        GameObject* b = Make("LevelButton" + std::to_string(id));
        b->AddComponent(CT_SystemCallButton);
        Add<CheckLevelStatus>(b, CT_CheckLevelStatus)->levelid = id;
    }
    GameObject* badge = Make("AllLevelsBadge");
    badge->AddComponent(CT_WinConditionChecker);
    badge->setActive(false);
    // A level button without its button is reported, not a crash.
    Make("Broken")->AddComponent(CT_CheckLevelStatus);

    auto enabled = [&](int id) {
        return Find("LevelButton" + std::to_string(id))->GetComponent<SystemCallButton>()->ButtonActive();
    };
    GetLevelFlags() = {false, false, false};
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    LoadAs("MainMenu");
    testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    // One report line (standard error and log.txt) naming the object.
    EXPECT_NE(err.find("Object \"LevelButton0\": Error. Level not found (levelid 0); the button stays closed\n"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("CheckLevelStatus without a SystemCallButton"), std::string::npos);
    for (int id = 0; id <= 3; ++id)
        EXPECT_FALSE(enabled(id)) << id;
    EXPECT_FALSE(Find("AllLevelsBadge")->isActive());

    // The tutorial finished and Level1 won: back in the menu, two open.
    GetLevelFlags()[0] = true;
    GetLevelFlags()[1] = true;
    testing::internal::CaptureStdout();
    scenes->LoadLevel("MainMenu");
    scenes->Update();
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(enabled(0));
    EXPECT_TRUE(enabled(1));
    EXPECT_TRUE(enabled(2));
    EXPECT_FALSE(enabled(3));
    EXPECT_FALSE(Find("AllLevelsBadge")->isActive());

    GetLevelFlags()[2] = true;
    testing::internal::CaptureStdout();
    scenes->LoadLevel("MainMenu");
    scenes->Update();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(enabled(3));
    EXPECT_TRUE(Find("AllLevelsBadge")->isActive());
    GetLevelFlags() = {false, false, false};
}

TEST_F(Flow, EscapePausesAndResumesAtThePreviousSpeed)
{
    Make("Pause")->AddComponent(CT_EscapePauseBehaviour);
    GameObject* menu = Make("PauseMenu");
    menu->AddComponent(CT_InjectPauseElem);
    LoadAs("Level1");
    GameObject* pauseMenu = Find("PauseMenu");
    EXPECT_FALSE(pauseMenu->isActive());
    engine->SetTimeFactor(2.0f);
    TapKey(VK::Escape);
    EXPECT_EQ(engine->GetTimeFactor(), 0.0f);
    EXPECT_TRUE(pauseMenu->isActive());
    Step(10);
    TapKey(VK::Escape);
    EXPECT_EQ(engine->GetTimeFactor(), 2.0f);
    EXPECT_FALSE(pauseMenu->isActive());
}

TEST_F(Flow, CheatKeysUnlockOneLevelPerFrame)
{
    GetLevelFlags() = {false, false, false};
    Make("Cheats")->AddComponent(CT_CheatScript);
    LoadAs("Level1");
    fake.SetKeyDown('1', true);
    fake.SetKeyDown('2', true);
    Step();
    fake.SetKeyDown('1', false);
    fake.SetKeyDown('2', false);
    Step();
    EXPECT_EQ(GetLevelFlags(), (std::array<bool, 3>{true, false, false}));
    Step();
    EXPECT_EQ(GetLevelFlags(), (std::array<bool, 3>{true, true, false}));
    TapKey('3');
    EXPECT_TRUE(AllLevelsUnlocked());
    GetLevelFlags() = {false, false, false};
}

namespace
{
    class SummaryPanel : public Flow
    {
    protected:
        void SetUp() override
        {
            Flow::SetUp();
            SummaryArchetypes();
            SimpleArchetype("TutorialCompleteNextBtn");
        }

        Summary* Panel(const std::string& name, float seconds)
        {
            GameObject* o = Make(name);
            Summary* s = Add<Summary>(o, CT_Summary);
            s->startPos = Vector2D(0.0f, -900.0f);
            s->finalPos = Vector2D(0.0f, 0.0f);
            s->timeToInterpolate = seconds;
            s->Initialise();
            return s;
        }
    };
}

TEST_F(SummaryPanel, SlidesInWhilePausedThenShowsTheStatistics)
{
    LevelStatsSystem* stats = Add<LevelStatsSystem>(Make("Stats"), CT_LevelStatsSystem);
    stats->CustomerServed = 42;
    stats->AverageWaitingTime = 5.678f;
    stats->GrossRevenue = 99.9f;
    engine->SetTimeFactor(0.0f);
    Summary* s = Panel("LoseSummary", 0.5f);
    std::vector<std::string> values;
    for (GameObject* child : s->GetOwner()->GetChildren())
    {
        EXPECT_FALSE(child->isActive());
        if (child->getName() == "StatReviewText")
            values.push_back(child->GetComponent<Text>()->String());
    }
    EXPECT_EQ(values, (std::vector<std::string>{"42", "5.7", "99"}));
    Step(15);
    const float y = s->GetOwner()->GetComponent<Transform>()->GetTransVec().y;
    // Placed for the time reached before the frame's step.
    EXPECT_NEAR(y, -900.0f + 900.0f * 14.0f / 30.0f, 0.5f);
    EXPECT_FALSE(s->HasArrived());
    Step(20);
    EXPECT_TRUE(s->HasArrived());
    EXPECT_EQ(s->GetOwner()->GetComponent<Transform>()->GetTransVec().y, 0.0f);
    ASSERT_NE(s->GetNextButton(), nullptr);
    EXPECT_TRUE(s->GetNextButton()->isActive());
    EXPECT_EQ(s->GetNextButton()->GetComponent<Transform>()->GetTransVec().x, 400.0f);
    EXPECT_EQ(s->GetNextButton()->GetComponent<Transform>()->GetTransVec().y, -225.0f);

    // Revenue read from a level file may be past any whole number.
    stats->GrossRevenue = 1e30f;
    s->Initialise();
    factory->Update();
    std::vector<std::string> shown;
    for (GameObject* child : s->GetOwner()->GetChildren())
        if (child->getName() == "StatReviewText")
            shown.push_back(child->GetComponent<Text>()->String());
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[2], "9200000000000000000");
}

TEST_F(SummaryPanel, InstantPanelAndTheTutorialsOwn)
{
    Summary* s = Panel("WinSummary", 0.0f);
    Step();
    EXPECT_TRUE(s->HasArrived());
    for (GameObject* child : s->GetOwner()->GetChildren())
        EXPECT_TRUE(child->isActive());
    // A second Initialise rebuilds the panel rather than adding rows.
    const std::size_t rows = s->GetOwner()->GetChildren().size();
    s->Initialise();
    factory->Update();
    EXPECT_EQ(s->GetOwner()->GetChildren().size(), rows);

    Summary* tutorial = Panel("TutorialComplete", 0.2f);
    EXPECT_TRUE(tutorial->GetOwner()->GetChildren().empty());
    ASSERT_NE(tutorial->GetNextButton(), nullptr);
    EXPECT_FALSE(tutorial->GetNextButton()->isActive());
    Step(20);
    EXPECT_TRUE(tutorial->GetNextButton()->isActive());
    EXPECT_EQ(tutorial->GetNextButton()->GetComponent<Transform>()->GetTransVec().y, -50.0f);
}

TEST_F(SummaryPanel, ContinueRemovesTheWinSummaryIfThereIsOneAndPlayGoesOn)
{
    Add<SimulationSystem>(Make("Simulation"), CT_SimulationSystem)->Initialise();
    Panel("WinSummary", 0.0f);
    GameObject* c = Make("ContinueButton");
    ContinueButton* cont = Add<ContinueButton>(c, CT_ContinueButton);
    cont->Initialise();
    cont->ButtonActive(true);
    engine->SetTimeFactor(0.1f);
    MouseCollideMessage down(MsgID::MouseDown), up(MsgID::MouseUp);
    c->SendMessage(&down);
    c->SendMessage(&up);
    EXPECT_EQ(engine->GetTimeFactor(), 1.0f);
    EXPECT_EQ(SimulationSystem::Instance()->endState, SimulationSystem::Continued);
    factory->Update();
    EXPECT_EQ(Find("WinSummary"), nullptr);

    // Clicked again with its summary gone, and a button in a scene that never
    // had one: play still goes on at full speed.
    GameObject* lone = Make("ContinueButton2");
    ContinueButton* other = Add<ContinueButton>(lone, CT_ContinueButton);
    other->Initialise();
    other->ButtonActive(true);
    for (GameObject* button : {c, lone})
    {
        engine->SetTimeFactor(0.0f);
        SimulationSystem::Instance()->endState = SimulationSystem::Running;
        button->SendMessage(&down);
        button->SendMessage(&up);
        EXPECT_EQ(SimulationSystem::Instance()->endState, SimulationSystem::Continued) << button->getName();
        Step();
        EXPECT_EQ(engine->GetTimeFactor(), 1.0f) << button->getName();
    }
}
