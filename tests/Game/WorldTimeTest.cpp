// Day and night, upkeep at dawn, clouds and cash clouds, speed controls, and
// the HUD's bars, figures and fading feedback.
#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "Core/Engine/FrameRateController.h"
#include "Core/Engine/Message.h"
#include "Core/Objects/FieldList.h"
#include "Core/Physics/Collider2D.h"
#include "Core/UI/UISystem.h"
#include "Economy/DaylightSource.h"
#include "Game/StallWorld.h"
#include "HUD/FadeOutFeedback.h"
#include "HUD/ProgressBar.h"
#include "HUD/StatsDisplay.h"
#include "HUD/TwoTabToggleBtn.h"
#include "HUD/UIPanelFeedback.h"
#include "World/CloudMotor.h"
#include "World/DayNightCycler.h"
#include "World/FastForwardButton.h"
#include "World/Firework.h"
#include "World/Moon.h"
#include "World/SpeedButton.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteTest
{
    class DayAndNight : public StallWorld
    {
    protected:
        TimeAndWeatherSystem* Weather(float timeInDay)
        {
            GameObject* o = Make("Weather");
            auto* w = Add<TimeAndWeatherSystem>(o, CT_TimeAndWeatherSystem);
            w->timeInDay = timeInDay;
            o->Initialise();
            return w;
        }

        // A lamp whose sprite the day and night tint, started.
        GameObject* Lamp()
        {
            GameObject* lamp = Make("Lamp");
            lamp->AddComponent(CT_Sprite);
            lamp->AddComponent(CT_DayNightCycler);
            lamp->Initialise();
            lamp->OnStart();
            return lamp;
        }

        // Steps whole frames until `seconds` of game time have passed.
        void Run(float seconds) { Step(static_cast<int>(std::lround(seconds * 60.0f))); }
    };

    TEST_F(DayAndNight, DaylightFollowsTheWaveAndTheFirstDawnChargesUpkeepOnce)
    {
        LevelSystems();
        stats->SetMoney(1000.0f);
        StoredStall(1, StallNode("StallNode1", 0.0f, 200.0f));  // upkeep 12
        TimeAndWeatherSystem* w = Weather(60.0f);
        EXPECT_NEAR(w->GetDaylight(), 0.5f, 1e-4f);
        EXPECT_EQ(DaylightSource::Current(), w) << "the spawn clock reads this daylight";
        Run(15.0f);
        EXPECT_NEAR(w->GetDaylight(), 1.0f, 1e-3f);
        EXPECT_EQ(w->phase, TimeAndWeatherSystem::Day);
        Run(29.0f);
        EXPECT_EQ(w->phase, TimeAndWeatherSystem::Day) << "44 s: still day";
        Run(1.5f);
        EXPECT_EQ(w->phase, TimeAndWeatherSystem::Night) << "night comes close to 45 s";
        EXPECT_FLOAT_EQ(stats->Money(), 1000.0f);
        Run(58.0f);
        EXPECT_EQ(w->dayCounter, 0) << "103.5 s: still night";
        Run(2.0f);
        EXPECT_EQ(w->dayCounter, 1) << "the first day ends close to 105 s";
        EXPECT_EQ(w->phase, TimeAndWeatherSystem::Day);
        EXPECT_FLOAT_EQ(stats->Money(), 988.0f);
        Run(10.0f);
        EXPECT_FLOAT_EQ(stats->Money(), 988.0f) << "charged once per dawn";
    }

    TEST_F(DayAndNight, TintedSpritesFadeToNightAndBackAndLeaveWithTheirObject)
    {
        TimeAndWeatherSystem* w = Weather(60.0f);
        GameObject* lamp = Lamp();
        lamp->OnStart();
        EXPECT_EQ(w->GetTintedSpriteCount(), 1u) << "registered once";
        Sprite* sprite = lamp->GetComponent<Sprite>();
        EXPECT_EQ(sprite->GetBlend(), 0.0f);
        Run(46.0f);
        EXPECT_NEAR(sprite->GetBlend(), 1.0f, 1e-3f);
        Run(30.0f);
        EXPECT_NEAR(sprite->GetBlend(), 1.0f, 0.01f) << "night holds until the next peak";
        Run(30.0f);
        EXPECT_NEAR(sprite->GetBlend(), 0.0f, 1e-3f);
        Destroy(lamp);
        Step();
        EXPECT_EQ(w->GetTintedSpriteCount(), 0u);
        Run(60.0f);
    }

    TEST_F(DayAndNight, ACopyOfTheCycleThatNeverStartsLeavesTheOriginalInEffect)
    {
        TimeAndWeatherSystem* w = Weather(60.0f);
        GameObject* lamp = Lamp();
        ASSERT_EQ(w->GetTintedSpriteCount(), 1u);
        // As the editor or an archetype makes one and throws it away.
        std::unique_ptr<GameComponent> copy(w->Clone());
        EXPECT_EQ(TimeAndWeatherSystem::Instance(), w);
        EXPECT_EQ(DaylightSource::Current(), w);
        copy.reset();
        EXPECT_EQ(TimeAndWeatherSystem::Instance(), w);
        EXPECT_EQ(DaylightSource::Current(), w);
        // A dying sprite still leaves the list the cycle fades.
        Destroy(lamp);
        Step();
        EXPECT_EQ(w->GetTintedSpriteCount(), 0u);
    }

    TEST_F(DayAndNight, NoDayLengthMeansNoCycleAndASystemAloneDoesNotFail)
    {
        TimeAndWeatherSystem* w = Weather(0.0f);
        w->giveMoneyInterval = 1.0f;
        w->maxCashClouds = 5;
        w->cashCloudThreshold = 1e9f;
        Run(200.0f);
        EXPECT_EQ(w->GetDaylight(), 1.0f);
        EXPECT_FALSE(std::isnan(w->GetDaylight()));
        EXPECT_EQ(w->dayCounter, 0);
        EXPECT_EQ(w->phase, TimeAndWeatherSystem::Day);
        EXPECT_EQ(w->cashCloudCount, 0) << "no statistics: no cash clouds";
    }

    TEST_F(DayAndNight, AtFactorZeroNothingMoves)
    {
        TimeAndWeatherSystem* w = Weather(60.0f);
        engine->SetTimeFactor(0.0f);
        Run(30.0f);
        EXPECT_NEAR(w->GetDaylight(), 0.5f, 1e-4f);
        engine->SetTimeFactor(1.0f);
    }

    // ---- Clouds -------------------------------------------------------------

    class Clouds : public DayAndNight
    {
    protected:
        void SetUp() override
        {
            DayAndNight::SetUp();
            RegisterComponent<Collider2D>(CT_Collider2D, "Collider2D");
            GameObject* o = Make("CashCloud");
            o->AddComponent(CT_Sprite);
            o->AddComponent(CT_Collider2D);
            auto* m = Add<CloudMotor>(o, CT_CloudMotor);
            m->timeToFade = 1.0f;
            m->lifeTimeOfCashCloud = 20.0f;
            m->minMaxLifeTime = Vector2D(30.0f, 40.0f);
            m->minMaxDepth = Vector2D(90.0f, 94.0f);
            m->minMaxScale = Vector2D(1.0f, 1.0f);
            m->cashCloudMoneyToAdd = 250.0f;
            m->cashCloudScale = Vector2D(2.0f, 1.0f);
            Archetype("CashCloud", o);
            GameObject* c = Make("Cloud");
            c->AddComponent(CT_Sprite);
            auto* cm = Add<CloudMotor>(c, CT_CloudMotor);
            cm->timeToFade = 1.0f;
            cm->minMaxLifeTime = Vector2D(3.0f, 3.0f);
            cm->minMaxDepth = Vector2D(90.0f, 94.0f);
            cm->minMaxScale = Vector2D(3.0f, 3.0f);
            cm->minMaxSpeed = Vector2D(10.0f, 10.0f);
            Archetype("Cloud", c);
            SimpleArchetype("CashFlow");
        }
    };

    TEST_F(Clouds, ACashCloudClickedTwicePaysOnceAndLeaves)
    {
        LevelSystems();
        stats->SetMoney(0.0f);
        TimeAndWeatherSystem* w = Weather(60.0f);
        GameObject* cloud = w->SpawnCashCloud();
        ASSERT_NE(cloud, nullptr);
        auto* motor = cloud->GetComponent<CloudMotor>();
        EXPECT_EQ(w->cashCloudCount, 1);
        EXPECT_EQ(w->cloudCount, 0) << "a cash cloud counts only as one";
        motor->OnMouseUp();
        EXPECT_FLOAT_EQ(stats->Money(), 0.0f) << "not while fading in";
        Run(1.5f);
        motor->OnMouseUp();
        motor->OnMouseUp();
        EXPECT_FLOAT_EQ(stats->Money(), 250.0f);
        EXPECT_EQ(w->collectedCashClouds, 1);
        EXPECT_EQ(cloud->GetComponent<Collider2D>()->GetColliderTag(), -1);
        Run(1.5f);
        EXPECT_EQ(w->cashCloudCount, 0);
        EXPECT_EQ(factory->FindObjByName("CashCloud"), nullptr);
    }

    TEST_F(Clouds, CloudsComeUpToTheLimitAndAScaleOfThreeTakesTheMiddleBand)
    {
        TimeAndWeatherSystem* w = Weather(60.0f);
        w->maxClouds = 2;
        Run(10.0f);
        EXPECT_EQ(w->cloudCount, 2);
        GameObject* cloud = factory->FindObjByName("Cloud");
        ASSERT_NE(cloud, nullptr);
        EXPECT_FLOAT_EQ(cloud->GetComponent<Transform>()->GetScaleVec().x, 2.5f);
        EXPECT_FLOAT_EQ(cloud->GetComponent<CloudMotor>()->velocity.x, 10.0f * 0.5f + 50.0f) << "half the lowest speed plus the band's bonus";
        w->maxClouds = 0;
        Run(30.0f);
        EXPECT_EQ(w->cloudCount, 0) << "clouds leave and none come with a limit of 0";
        EXPECT_EQ(factory->FindObjByName("Cloud"), nullptr);
    }

    // ---- Speed --------------------------------------------------------------

    TEST_F(DayAndNight, SpeedButtonsSetTheFactorMoveTheMarkerAndEndAPause)
    {
        // Interface elements are updated by their system each frame.
        auto* ui = new UISystem();
        engine->AddSystem(ui);
        testing::internal::CaptureStdout();
        ui->Initialise();
        testing::internal::GetCapturedStdout();
        GameObject* marker = Make("SpeedIndicator", 0.0f, 0.0f);
        GameObject* image = Make("SpeedMult");
        image->AddComponent(CT_Sprite);
        SpeedButton* buttons[4];
        for (int k = 0; k < 4; ++k)
        {
            GameObject* o = Make("Speed" + std::to_string(k));
            buttons[k] = Add<SpeedButton>(o, CT_SpeedButton);
            buttons[k]->speedButtonType = k;
            o->Initialise();
        }
        GameObject* ff = Make("FastForward");
        auto* fast = Add<FastForwardButton>(ff, CT_FastForwardButton);
        fast->mult1_ = "x1.png";
        fast->mult2_ = "x2.png";
        fast->mult3_ = "x4.png";
        ff->Initialise();
        Message up(MsgID::MouseUp);
        Message down(MsgID::MouseDown);
        const float expected[3][2] = {{665.0f, 1.0f}, {700.0f, 2.0f}, {735.0f, 4.0f}};
        engine->SetTimeFactor(0.0f);
        for (int k : {2, 0, 1})
        {
            buttons[k]->SendMessage(&up);
            EXPECT_EQ(engine->GetTimeFactor(), expected[k][1]);
            EXPECT_EQ(marker->GetComponent<Transform>()->GetTransVec(), Vector2D(expected[k][0], 427.5f));
        }
        buttons[3]->SendMessage(&up);
        EXPECT_EQ(engine->GetTimeFactor(), 2.0f) << "\"None\" changes nothing";
        Step();
        EXPECT_EQ(fast->GetShownTexture(), "x2.png") << "the image follows a speed button";
        // The speed keys set the factor with no button involved.
        engine->SetTimeFactor(4.0f);
        Step();
        EXPECT_EQ(image->GetComponent<Sprite>()->GetTexturePath(), "x4.png") << "and any other change of speed";
        engine->SetTimeFactor(0.0f);
        Step();
        EXPECT_EQ(fast->GetShownTexture(), "x4.png") << "a pause shows the speed it keeps";
        // The fast-forward cycle from 1: 2, 4, 1.
        engine->SetTimeFactor(1.0f);
        for (const char* shown : {"x2.png", "x4.png", "x1.png"})
        {
            ff->SendMessage(&down);
            EXPECT_EQ(image->GetComponent<Sprite>()->GetTexturePath(), shown);
        }
        EXPECT_EQ(engine->GetTimeFactor(), 1.0f);
        engine->SetTimeFactor(0.0f);
        ff->SendMessage(&down);
        EXPECT_EQ(engine->GetTimeFactor(), 0.0f) << "paused stays paused";
        engine->SetTimeFactor(1.0f);
    }

    // ---- HUD ----------------------------------------------------------------

    TEST_F(DayAndNight, BarsFillTowardsTheirGoalMirrorInDebtAndAGoalOfZeroIsFull)
    {
        LevelSystems();
        simulation->goalMoney = 1000;
        GameObject* o = Make("MoneyBar", 100.0f, 50.0f);
        auto* bar = Add<ProgressBar>(o, CT_ProgressBar);
        bar->type = ProgressBar::Money;
        bar->maxBarXScale = 4.0f;
        bar->barHeight = 0.5f;
        o->Initialise();
        stats->SetMoney(250.0f);
        Step();
        Transform* t = o->GetComponent<Transform>();
        EXPECT_FLOAT_EQ(t->GetScaleVec().x, 1.0f);
        EXPECT_FLOAT_EQ(t->GetTransVec().x, 100.0f - 100.0f * 3.0f * 0.25f);
        stats->SetMoney(1500.0f);
        Step();
        EXPECT_FLOAT_EQ(t->GetScaleVec().x, 4.0f);
        EXPECT_FLOAT_EQ(t->GetTransVec().x, 100.0f);
        // In debt the bar mirrors to the other side, on purpose; it stays a number.
        stats->SetMoney(-500.0f);
        Step();
        EXPECT_FLOAT_EQ(t->GetScaleVec().x, -2.0f);
        EXPECT_TRUE(std::isfinite(t->GetTransVec().x));
        simulation->goalMoney = 0;
        o->Initialise();
        stats->SetMoney(0.0f);
        Step();
        EXPECT_FLOAT_EQ(t->GetScaleVec().x, 4.0f);
        EXPECT_FALSE(std::isnan(t->GetTransVec().x));
    }

    TEST_F(DayAndNight, FiguresShowTwoSignificantDigitsForTheWait)
    {
        LevelSystems();
        stats->AverageWaitingTime = 12.5f;
        EXPECT_EQ(StatsDisplay::Format(StatsDisplay::AverageWaitingTime, ""), "12");
        stats->AverageWaitingTime = 1234.5f;
        EXPECT_EQ(StatsDisplay::Format(StatsDisplay::AverageWaitingTime, ""), "1.2e+03");
        stats->GrossRevenue = 99.9f;
        EXPECT_EQ(StatsDisplay::Format(StatsDisplay::GrossRevenue, ""), "99");
        EXPECT_EQ(StatsDisplay::Format(StatsDisplay::None, "kept"), "kept");
    }

    TEST_F(DayAndNight, FireworksGoUpAtRandomInTheSkyAndEndAfterTwoRealSecondsAlsoWhilePaused)
    {
        std::vector<ObjectHandle> fireworks;
        std::set<float> xs;
        for (int i = 0; i < 20; ++i)
        {
            GameObject* o = Make("Firework");
            Add<Firework>(o, CT_Firework);
            o->Initialise();
            const Vector2D at = o->GetComponent<Transform>()->GetTransVec();
            EXPECT_TRUE(at.x >= -800.0f && at.x <= 800.0f && at.y >= -400.0f && at.y <= 400.0f) << at.x << "," << at.y;
            xs.insert(at.x);
            fireworks.emplace_back(o);
        }
        EXPECT_GT(xs.size(), 10u) << "each at its own place";
        // Real frames, as the main loop runs them, with the game paused.
        engine->SetTimeFactor(0.0f);
        using Clock = std::chrono::steady_clock;
        const Clock::time_point begin = Clock::now();
        double firstGone = -1.0, allGone = -1.0;
        while (allGone < 0.0 && Clock::now() - begin < std::chrono::seconds(6))
        {
            fc.Start();
            Step();
            fc.Next();
            std::size_t alive = 0;
            for (const ObjectHandle& h : fireworks)
                alive += h.Get() ? 1 : 0;
            const double t = std::chrono::duration<double>(Clock::now() - begin).count();
            if (alive < fireworks.size() && firstGone < 0.0)
                firstGone = t;
            if (alive == 0)
                allGone = t;
        }
        EXPECT_GE(firstGone, 1.99);
        EXPECT_GE(allGone, 1.99);
        EXPECT_LT(allGone, 3.0) << "two seconds and a frame or two";
        engine->SetTimeFactor(1.0f);
    }

    TEST_F(DayAndNight, FeedbackRisesFadesAndEndsAlsoWhilePaused)
    {
        GameObject* o = Make("CashMoving", 0.0f, 0.0f);
        o->AddComponent(CT_Sprite);
        auto* fade = Add<FadeOutFeedback>(o, CT_FadeOutFeedback);
        fade->translation = Vector2D(0.0f, 50.0f);
        fade->timing = 1.0f;
        o->Initialise();
        engine->SetTimeFactor(0.0f);
        Step(30);
        EXPECT_NEAR(o->GetComponent<Transform>()->GetTransVec().y, 25.0f, 0.01f);
        EXPECT_NEAR(o->GetComponent<Sprite>()->GetAlpha(), 0.5f, 0.01f);
        Step(32);
        EXPECT_EQ(factory->FindObjByName("CashMoving"), nullptr);
        engine->SetTimeFactor(1.0f);
    }

    TEST_F(DayAndNight, TheMoonRisesFromTheBottomAtNightfallAndCrossesTheTopAtMidnight)
    {
        Weather(60.0f);
        GameObject* o = Make("Moon", 0.0f, -999.0f);
        auto* moon = Add<Moon>(o, CT_Moon);
        moon->majorRadius = 100;
        moon->minorRadius = 50;
        o->Initialise();
        Transform* t = o->GetComponent<Transform>();
        Run(44.0f);
        EXPECT_EQ(t->GetTransVec(), Vector2D(0.0f, -999.0f)) << "the moon waits for the night";
        Run(2.0f);
        EXPECT_NEAR(t->GetTransVec().x, 10.0f, 8.0f);
        EXPECT_NEAR(t->GetTransVec().y, -50.0f, 1.0f);
        Run(29.0f);
        EXPECT_NEAR(t->GetTransVec().x, 0.0f, 6.0f);
        EXPECT_NEAR(t->GetTransVec().y, 50.0f, 1.0f);
    }

    TEST_F(DayAndNight, TheMoonCirclesItsParentInTheSky)
    {
        Weather(60.0f);
        GameObject* sky = Make("MoonPath", 0.0f, 390.0f);
        GameObject* o = Make("Moon", 0.0f, 0.0f);
        o->AddParent(sky);
        auto* moon = Add<Moon>(o, CT_Moon);
        moon->majorRadius = 700;
        moon->minorRadius = 40;
        o->Initialise();
        Transform* t = o->GetComponent<Transform>();
        Run(46.0f);
        EXPECT_NEAR(t->GetTransVec().y, 350.0f, 1.0f) << "nightfall: the bottom of the path, in the sky";
        Run(29.0f);
        EXPECT_NEAR(t->GetTransVec().x, 0.0f, 45.0f);
        EXPECT_NEAR(t->GetTransVec().y, 430.0f, 1.0f);
    }

    TEST_F(DayAndNight, TabsShowOnePanelAndPanelFeedbackGrowsAndEnds)
    {
        GameObject* figures = Make("Figures");
        GameObject* goals = Make("Goals");
        GameObject* tab = Make("Tab");
        auto* button = Add<TwoTabToggleBtn>(tab, CT_TwoTabToggleBtn);
        button->togglerName = "Goals";
        button->toggleeName = "Figures";
        tab->Initialise();
        Message down(MsgID::MouseDown);
        tab->SendMessage(&down);
        EXPECT_TRUE(goals->isActive());
        EXPECT_FALSE(figures->isActive());
        tab->SendMessage(&down);
        EXPECT_TRUE(goals->isActive()) << "a tab does not toggle back";

        GameObject* panel = Make("Panel");
        panel->AddComponent(CT_Sprite);
        auto* grow = Add<UIPanelFeedback>(panel, CT_UIPanelFeedback);
        grow->translation = Vector2D(2.0f, 1.0f);
        grow->timing = 0.5f;
        panel->Initialise();
        Step(15);
        EXPECT_NEAR(panel->GetComponent<Transform>()->GetScaleVec().x, 2.0f, 0.01f);
        EXPECT_NEAR(panel->GetComponent<Transform>()->GetScaleVec().y, 1.5f, 0.01f);
        Step(17);
        EXPECT_EQ(factory->FindObjByName("Panel"), nullptr);
    }
    namespace
    {
        // The hidden widget id the inspector gives each listed key.
        struct HiddenIds : FieldVisitor
        {
            std::map<std::string, std::string> ids;
            void Visit(const FieldRef& field) override { ids[field.key] = field.info.id; }
        };

        std::map<std::string, std::string> HiddenIdsOf(GameComponent& c)
        {
            HiddenIds v;
            c.ListFields(v);
            return v.ids;
        }
    }

    TEST(FeedbackInspectors, TheDriftAndTheGrowthNameTheirEndingAndTimingApart)
    {
        FadeOutFeedback drift;
        UIPanelFeedback growth;
        const std::map<std::string, std::string> driftIds = {{"translation", "##Displacement"}, {"timing", "##Timing"}};
        const std::map<std::string, std::string> growthIds = {{"translation", "##Scale"}, {"timing", "##Timing"}};
        EXPECT_EQ(HiddenIdsOf(drift), driftIds);
        EXPECT_EQ(HiddenIdsOf(growth), growthIds);
    }
}
