// CloudMotor: one cloud's drift and fades; a cash cloud's single payment.
#include "World/CloudMotor.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Math/Random.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/Physics/Collider2D.h"
#include "Economy/LevelStatsSystem.h"
#include "StartUp/GameComponentTypes.h"
#include "World/GameClock.h"
#include "World/TimeAndWeatherSystem.h"

namespace KiteFramework
{
    namespace
    {
        constexpr float CashCloudDepth = 70.0f;
        constexpr float SkyEdge = 900.0f;

        float RandomSign()
        {
            return GENRANDNUM::Rand() % 2 == 0 ? -1.0f : 1.0f;
        }
    }

    CloudMotor::CloudMotor() : Script(CT_CloudMotor) {}

    CloudMotor::~CloudMotor() = default;

    void CloudMotor::ListFields(FieldVisitor& v)
    {
        v.Add("minMaxStartPosX", minMaxStartPosX,
              FieldInfo{"Starting Position Horizontal Range"}.Id("##minMaxStartPosX_"));
        v.Add("minMaxStartPosY", minMaxStartPosY,
              FieldInfo{"Starting Position Vertical Range"}.Id("##minMaxStartPosY_"));
        v.Add("minMaxDepth", minMaxDepth, FieldInfo{"Depth Range"}.Id("##minMaxDepth_"));
        v.Add("minMaxScale", minMaxScale, HiddenField());
        v.Add("minMaxSpeed", minMaxSpeed, FieldInfo{"Speed Range"}.Id("##minMaxSpeed_"));
        v.Add("minMaxLifeTime", minMaxLifeTime, FieldInfo{"Lifetime Range"}.Id("##minMaxLifeTime_"));
        v.Add("timeToFade", timeToFade, FieldInfo{"Time To fade", FieldWidget::Input, 0.0f}.Id("##timeToFade_"));
        v.Add("lifeTimeOfCashCloud", lifeTimeOfCashCloud,
              FieldInfo{"Cash Cloud lifetime", FieldWidget::Input, 0.0f}.Id("##lifeTimeOfCashCloud_"));
        v.Add("cashCloudBaseStartingPos", cashCloudBaseStartingPos,
              FieldInfo{"Cash Cloud Base Starting Pos"}.Id("##cashCloudBaseStartingPos_"));
        v.Add("cashCloudRange", cashCloudRange, FieldInfo{"Cash Cloud Pos Range"}.Id("##cashCloudRange_"));
        v.Add("cashCloudScale", cashCloudScale, FieldInfo{"Cash Cloud Scale"}.Id("##cashCloudScale_"));
        v.Add("cashCloudSpeed", cashCloudSpeed, FieldInfo{"Cash Cloud Speed"}.Id("##cashCloudSpeed_"));
        v.Add("cashCloudMoneyToAdd", cashCloudMoneyToAdd,
              FieldInfo{"Cash Cloud Added Money", FieldWidget::Input, 0.0f}.Id("##cashCloudMoneyToAdd_"));
    }

    GameComponent* CloudMotor::Clone() const
    {
        return CloneListed(*this);
    }

    void CloudMotor::Initialise()
    {
        Script::Initialise();
        sprite = GetOwner() ? GetOwner()->GetComponent<Sprite>() : nullptr;
        if (!transform)
            return;
        using GENRANDNUM::GenRandFloat;
        const float x = GenRandFloat(minMaxStartPosX.x, minMaxStartPosX.y) + GenRandFloat(-50.0f, 50.0f);
        const float y = GenRandFloat(minMaxStartPosY.x, minMaxStartPosY.y);
        transform->SetTrans(x, y);
        const float d = GenRandFloat(minMaxDepth.x, minMaxDepth.y);
        transform->SetDepth(d);
        // A zero depth range gives the nearest, largest cloud.
        const float range = minMaxDepth.y - minMaxDepth.x;
        const float r = range != 0.0f ? (minMaxDepth.y - d) / range : 1.0f;
        const float s = (minMaxScale.y - minMaxScale.x) * r + minMaxScale.x;
        float v = (minMaxSpeed.y - minMaxSpeed.x) * r + minMaxSpeed.x * 0.5f;
        if (s > 3.0f && s <= 4.0f)
        {
            transform->SetScale(s, s);
            v += 75.0f;
        }
        else if (s > 2.0f && s <= 3.0f)
        {
            transform->SetScale(s - 0.5f, s - 0.5f);
            v += 50.0f;
        }
        else if (s > 1.0f && s <= 2.0f)
        {
            transform->SetScale(s - 1.0f, s - 1.0f);
            v += 25.0f;
        }
        velocity = Vector2D(v, 0.0f);
        lifetime = GenRandFloat(minMaxLifeTime.x, minMaxLifeTime.y);
        if (TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance(); system && kind == Ordinary)
        {
            system->AddCloud(GetOwner());
            counted = true;
        }
        SetAlpha(0.0f);
    }

    void CloudMotor::MakeCashCloud()
    {
        kind = Cash;
        TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance();
        if (system)
        {
            system->RemoveCloud(GetOwner());
            system->cashCloudCount += 1;
            counted = true;
        }
        else
            counted = false;
        const float sx = RandomSign();
        const float sy = RandomSign();
        const Vector2D offset(GENRANDNUM::GenRandFloat(0.0f, cashCloudRange.x) * sx,
                              GENRANDNUM::GenRandFloat(0.0f, cashCloudRange.y) * sy);
        if (transform)
        {
            transform->SetTrans(cashCloudBaseStartingPos + offset);
            transform->SetDepth(CashCloudDepth);
            transform->SetScale(cashCloudScale.x, cashCloudScale.y);
        }
        lifetime = lifeTimeOfCashCloud;
        velocity = cashCloudSpeed;
    }

    void CloudMotor::Update()
    {
        const float dt = GameClock::ScaledStep();
        if (transform)
            transform->Translate(velocity * dt);
        if (state == FadingIn)
            FadeIn(dt);
        else if (state == Drifting)
        {
            const float x = transform ? transform->GetTransVec().x : 0.0f;
            if (lifetime < 0.0f || x < -SkyEdge || x > SkyEdge)
                state = FadingOut;
        }
        else if (state == FadingOut)
            FadeOut(dt);
        lifetime -= dt;
    }

    void CloudMotor::FadeIn(float dt)
    {
        if (timeToFade <= fadeTimer)
        {
            SetAlpha(1.0f);
            state = Drifting;
            fadeTimer = 0.0f;
            return;
        }
        SetAlpha(fadeTimer / timeToFade);
        fadeTimer += dt;
    }

    void CloudMotor::FadeOut(float dt)
    {
        if (timeToFade <= fadeTimer)
        {
            SetAlpha(0.0f);
            Leave();
            return;
        }
        SetAlpha(1.0f - fadeTimer / timeToFade);
        fadeTimer += dt;
    }

    void CloudMotor::Leave()
    {
        TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance();
        if (system && counted)
        {
            if (kind == Ordinary)
                system->RemoveCloud(GetOwner());
            else if (system->cashCloudCount > 0)
                system->cashCloudCount -= 1;
        }
        counted = false;
        if (GetOwner())
            GetOwner()->Destroy();
    }

    void CloudMotor::SetAlpha(float a)
    {
        if (sprite)
            sprite->AlphaSet(a);
    }

    void CloudMotor::OnMouseEnter()
    {
        if (sprite && kind == Cash)
            sprite->InGameSet("BackgroundArt/Cloud_Money_Hover.png");
    }

    void CloudMotor::OnMouseExit()
    {
        if (sprite && kind == Cash)
            sprite->InGameSet("BackgroundArt/Cloud_Money.png");
    }

    void CloudMotor::OnMouseUp()
    {
        // Paid once: the fade that follows ignores further clicks.
        if (kind != Cash || state != Drifting)
            return;
        if (transform)
            Instantiate("CashFlow", transform->GetTransVec() + Vector2D(0.0f, -175.0f), 0.0f);
        if (LevelStatsSystem* stats = LevelStatsSystem::Instance())
            stats->ChangeMoney(cashCloudMoneyToAdd);
        if (TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance())
            system->collectedCashClouds += 1;
        state = FadingOut;
        if (Collider2D* collider = GetOwner() ? GetOwner()->GetComponent<Collider2D>() : nullptr)
            collider->SetColliderTag(-1);
    }
}
