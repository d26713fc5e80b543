// TimeAndWeatherSystem: daylight, day-night tint, days, upkeep and clouds.
#include "World/TimeAndWeatherSystem.h"

#include <algorithm>
#include <cmath>

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/Engine.h"
#include "Core/Engine/FrameRateController.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Input/Input.h"
#include "Core/Math/MyMath.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Scenes/SceneManager.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/StallUpkeep.h"
#include "StartUp/GameComponentTypes.h"
#include "World/CloudMotor.h"
#include "World/GameClock.h"

namespace KiteFramework
{
    namespace
    {
        constexpr float FadeStart = 0.99f;
        constexpr float FadeEnd = 0.0001f;
        // The key C (Windows virtual-key number).
        constexpr short CashCloudKey = 'C';
    }

    TimeAndWeatherSystem::TimeAndWeatherSystem() : Script(CT_TimeAndWeatherSystem) {}

    TimeAndWeatherSystem::TimeAndWeatherSystem(const TimeAndWeatherSystem& other)
        : Script(other), DaylightSource(other), TintedSprites(other), CurrentInstance<TimeAndWeatherSystem>(other),
          phase(other.phase), fading(other.fading), phaseChanged(other.phaseChanged), elapsed(other.elapsed),
          daylight(other.daylight), dayCounter(other.dayCounter), cloudCount(other.cloudCount),
          cashCloudCount(other.cashCloudCount), collectedCashClouds(other.collectedCashClouds),
          cloudCountdown(other.cloudCountdown), cashCloudCountdown(other.cashCloudCountdown),
          timeInDay(other.timeInDay), maxClouds(other.maxClouds), maxCashClouds(other.maxCashClouds),
          giveMoneyInterval(other.giveMoneyInterval), cashCloudThreshold(other.cashCloudThreshold)
    {
    }

    void TimeAndWeatherSystem::ListFields(FieldVisitor& v)
    {
        v.Add("timeInDay", timeInDay, FieldInfo{"Time In Day", FieldWidget::Input, 0.0f}.Id("##TimeInDay"));
        v.Add("maxClouds", maxClouds, FieldInfo{"Max no. of clouds", FieldWidget::Input, 1.0f}.Id("##MaxClouds"));
        v.Add("maxCashClouds", maxCashClouds,
              FieldInfo{"Max no. of cash clouds", FieldWidget::Input, 1.0f}.Id("##MaxCashClouds"));
        v.Add("giveMoneyInterval", giveMoneyInterval,
              FieldInfo{"Interval to give money (chance based)", FieldWidget::Input, 0.0f}.Id("##GiveMoneyInterval"));
        v.Add("cashCloudThreshold", cashCloudThreshold,
              FieldInfo{"Threshold to spawn cash cloud", FieldWidget::Input, 0.0f}.Id("##cashCloudThreshold_"));
    }

    GameComponent* TimeAndWeatherSystem::Clone() const
    {
        return new TimeAndWeatherSystem(*this);
    }

    void TimeAndWeatherSystem::Initialise()
    {
        Script::Initialise();
        CurrentInstance<TimeAndWeatherSystem>::BecomeCurrent();
        DaylightSource::TakeEffect();
        TintedSprites::TakeEffect();
        cloudCountdown = static_cast<float>(GENRANDNUM::GenRandInt(2, 4));
        cashCloudCountdown = giveMoneyInterval;
        ComputeDaylight();
    }

    void TimeAndWeatherSystem::Update()
    {
        Advance(GameClock::ScaledStep());
        if (INPUTSYS && INPUTSYS->wasKeyReleased(CashCloudKey))
            SpawnCashCloud();
    }

    void TimeAndWeatherSystem::Advance(float dt)
    {
        elapsed += dt;
        ComputeDaylight();
        SpawnClouds(dt);
        CycleDayAndNight();
    }

    void TimeAndWeatherSystem::ComputeDaylight()
    {
        // Without a period there is no cycle: full daylight, no division by 0.
        if (!(timeInDay > 0.0f))
        {
            daylight = 1.0f;
            return;
        }
        const float angle = 2.0f * MyMath::pi * elapsed / timeInDay;
        daylight = static_cast<float>(std::sin(static_cast<double>(angle)) * 0.5 + 0.5);
    }

    void TimeAndWeatherSystem::SpawnClouds(float dt)
    {
        cloudCountdown -= dt;
        cashCloudCountdown -= dt;
        if (cashCloudCountdown < 0.0f)
        {
            LevelStatsSystem* stats = LevelStatsSystem::Instance();
            const bool tutorial = SCENEMNGR && SCENEMNGR->GetCurrentSceneName() == "TutorialLevel";
            if (stats && stats->Money() < cashCloudThreshold && !tutorial && cashCloudCount < maxCashClouds &&
                GENRANDNUM::Rand() % 2 == 1)
                SpawnCashCloud();
            cashCloudCountdown = giveMoneyInterval;
        }
        if (cloudCountdown <= 0.0f && cloudCount < maxClouds)
        {
            Instantiate("Cloud", Vector2D(0.0f, 0.0f), 0.0f);
            cloudCountdown = static_cast<float>(GENRANDNUM::GenRandInt(2, 4));
        }
    }

    GameObject* TimeAndWeatherSystem::SpawnCashCloud()
    {
        GameObject* cloud = Instantiate("CashCloud", Vector2D(0.0f, 0.0f), 0.0f);
        if (CloudMotor* motor = cloud ? cloud->GetComponent<CloudMotor>() : nullptr)
            motor->MakeCashCloud();
        return cloud;
    }

    void TimeAndWeatherSystem::CycleDayAndNight()
    {
        // Without a cycle the look stays that of the day.
        if (!(timeInDay > 0.0f))
            return;
        phaseChanged = false;
        if (daylight >= FadeStart)
            fading = true;
        if (!fading)
            return;
        SetAllBlends(phase == Day ? 1.0f - daylight : daylight);
        if (daylight > FadeEnd)
            return;
        fading = false;
        phaseChanged = true;
        if (phase == Day)
        {
            phase = Night;
            return;
        }
        phase = Day;
        Dawn();
    }

    void TimeAndWeatherSystem::Dawn()
    {
        dayCounter += 1;
        StallUpkeep::PayForTheDay();
    }

    void TimeAndWeatherSystem::SetAllBlends(float blend)
    {
        tinted.erase(std::remove_if(tinted.begin(), tinted.end(),
                                    [](const TintedEntry& e) { return e.owner.Get() == nullptr; }),
                     tinted.end());
        for (TintedEntry& e : tinted)
            e.sprite->SetBlend(blend);
    }

    float TimeAndWeatherSystem::GetCurrentBlend() const
    {
        if (phase == Night)
            return fading ? daylight : 1.0f;
        return fading ? 1.0f - daylight : 0.0f;
    }

    void TimeAndWeatherSystem::AddTintedSprite(Sprite* sprite)
    {
        if (!sprite)
            return;
        sprite->SetBlend(GetCurrentBlend());
        tinted.push_back({sprite, ObjectHandle(sprite->GetOwner())});
    }

    void TimeAndWeatherSystem::RemoveTintedSprite(Sprite* sprite)
    {
        tinted.erase(std::remove_if(tinted.begin(), tinted.end(),
                                    [sprite](const TintedEntry& e) { return e.sprite == sprite; }),
                     tinted.end());
    }

    void TimeAndWeatherSystem::AddCloud(GameObject* cloud)
    {
        if (!cloud)
            return;
        clouds.emplace_back(cloud);
        cloudCount += 1;
    }

    bool TimeAndWeatherSystem::RemoveCloud(GameObject* cloud)
    {
        for (auto it = clouds.begin(); it != clouds.end(); ++it)
            if (*it == cloud)
            {
                clouds.erase(it);
                cloudCount = std::max(0, cloudCount - 1);
                return true;
            }
        return false;
    }
}
