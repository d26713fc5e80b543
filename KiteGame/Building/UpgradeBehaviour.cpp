// UpgradeBehaviour: timed stall upgrades and the menu texts.
#include "Building/UpgradeBehaviour.h"

#include "Building/UpgradeSystem.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Graphics/Sprite.h"
#include "Core/Graphics/Text.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/UI/BaseButton.h"
#include "Economy/LevelStatsSystem.h"
#include "HUD/ProgressBar.h"
#include "HUD/TextFit.h"
#include "StartUp/GameComponentTypes.h"
#include "Economy/AmountText.h"
#include "Stalls/StallsBehaviour.h"
#include "Stalls/StallsSystem.h"
#include "World/GameClock.h"
#include "World/TimeAndWeatherSystem.h"
#include "World/TintedSprites.h"

namespace KiteFramework
{
    namespace
    {
        constexpr int FinishingSteps = 30;
        constexpr float MaxLevelTextScale = 0.1f;
        // World units per unit of scale, and the share of a badge's width
        // that its figure may take beside the icon.
        constexpr float BadgeUnits = 100.0f;
        constexpr float BadgeFigureShare = 0.6f;
        // The construction bar sits at the stall's foot, below the menu's
        // price badges, so an open menu leaves it in sight.
        const Vector2D BarOffset(0.0f, -78.0f);

        float CurrentBlend()
        {
            TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance();
            return system ? system->GetCurrentBlend() : 0.0f;
        }
    }

    UpgradeBehaviour::UpgradeBehaviour() : Script(CT_UpgradeBehaviour) {}

    UpgradeBehaviour::~UpgradeBehaviour()
    {
        // The construction art goes with the stall, off the tint list first.
        DropFeedback();
    }

    void UpgradeBehaviour::ListFields(FieldVisitor& v)
    {
        v.Add("upgradeCost", upgradeCost, {"Upgrade cost", FieldWidget::Input, 0.0f});
        v.Add("upgradeCountdown", upgradeCountdown, {"Upgrade Countdown", FieldWidget::Input, 1.0f});
        v.Add("upgradeCostMultiplier", upgradeCostMultiplier, {"Upgrade cost multiplier", FieldWidget::Input, 0.0f});
        v.Add("upgradeBenefitMultiplier", upgradeBenefitMultiplier,
              {"Upgrade Benefit multiplier", FieldWidget::Input, 0.0f});
        v.Add("upgradeTime", upgradeTime, {"Upgrade Time", FieldWidget::Input, 0.0f});
    }

    GameComponent* UpgradeBehaviour::Clone() const
    {
        UpgradeBehaviour* copy = CloneListed(*this);
        copy->upgrading = upgrading;
        return copy;
    }

    void UpgradeBehaviour::Initialise()
    {
        Script::Initialise();
        if (StallsBehaviour* stall = GetStall())
            stall->maxLevel = upgradeCountdown;
    }

    StallsBehaviour* UpgradeBehaviour::GetStall() const
    {
        return GetOwner() ? GetOwner()->GetComponent<StallsBehaviour>() : nullptr;
    }

    void UpgradeBehaviour::SetMenu(GameObject* upgradeButton, const std::array<GameObject*, MenuTextCount>& texts)
    {
        menuUpgradeButton = ObjectHandle(upgradeButton);
        for (int i = 0; i < MenuTextCount; ++i)
            menuTexts[i] = ObjectHandle(texts[i]);
    }

    void UpgradeBehaviour::ShowOnBadge(Text* text, const std::string& figure)
    {
        if (!text)
            return;
        // A badge has its icon on the left: a figure keeps to the rest of it
        // and shrinks when it would run past the badge's end.
        const Transform* badge = text->GetOwner() ? text->GetOwner()->GetComponent<Transform>() : nullptr;
        const float width = badge ? badge->GetScaleVec().x * BadgeUnits * BadgeFigureShare : 0.0f;
        if (width > 0.0f)
            TextFit::ShowFigure(*text, figure, text->Scale(), width);
        else
            text->SetText(figure);
    }

    Text* UpgradeBehaviour::GetMenuText(MenuText which) const
    {
        GameObject* o = menuTexts[which].Get();
        return o ? o->GetComponent<Text>() : nullptr;
    }

    void UpgradeBehaviour::UpdateTexts()
    {
        StallsBehaviour* stall = GetStall();
        if (!stall)
            return;
        ShowOnBadge(GetMenuText(LevelText), std::to_string(stall->level));
        ShowOnBadge(GetMenuText(EarningsText), AmountText(stall->stallEarnings.money));
        if (Text* t = GetMenuText(UpgradeCostText))
        {
            // At the last level the cost line keeps saying so.
            if (upgradeCountdown == 0)
            {
                t->SetScale(MaxLevelTextScale);
                ShowOnBadge(t, "Max level");
            }
            else
                ShowOnBadge(t, AmountText(upgradeCost));
        }
        ShowOnBadge(GetMenuText(SellCostText), AmountText(stall->constructionCost * 0.5f));
        ShowOnBadge(GetMenuText(LikesEarningsText), AmountText(stall->stallEarnings.likes));
    }

    void UpgradeBehaviour::StartUpgrade()
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        if (!stats || !UpgradeSystem::Instance() || upgradeCountdown == 0 || stats->Money() < upgradeCost || upgrading)
            return;
        if (StallsBehaviour* stall = GetStall())
        {
            upgrading = true;
            upgradeTimer = 0.0f;
            upgradeTime *= upgradeBenefitMultiplier;
            stall->ApplyUpgrade(upgradeCost, upgradeBenefitMultiplier);
            upgradeCost = upgradeCostMultiplier * upgradeCost;
            upgradeCountdown -= 1;
            ShowConstruction();
        }
        UpdateTexts();
        if (upgradeCountdown == 0)
            if (GameObject* button = menuUpgradeButton.Get())
                if (BaseButton* b = button->GetComponent<BaseButton>())
                    b->ButtonActive(false);
        if (UpgradeSystem* system = UpgradeSystem::Instance())
            system->UpdateButtonStates();
    }

    void UpgradeBehaviour::ShowConstruction()
    {
        GameObject* owner = GetOwner();
        Transform* t = owner ? owner->GetComponent<Transform>() : nullptr;
        const Vector2D p = t ? t->GetTransVec() : Vector2D();
        DropFeedback();
        GameObject* feedback = Instantiate("UpgradeFeedback", p, 0.0f);
        upgradeFeedback = ObjectHandle(feedback);
        if (Sprite* s = feedback ? feedback->GetComponent<Sprite>() : nullptr)
        {
            s->SetBlend(CurrentBlend());
            s->SetAnimationCount(1);
            if (TimeAndWeatherSystem* system = TimeAndWeatherSystem::Instance())
                system->AddTintedSprite(s);
        }
        GameObject* backing = Instantiate("UpgradeBarBacking", p + BarOffset, 0.0f);
        if (backing && owner)
            backing->AddParent(owner);
        GameObject* bar = Instantiate("UpgradeProgressBar", p + BarOffset, 0.0f);
        if (bar && backing)
            bar->AddParent(backing);
        if (ProgressBar* progress = bar ? bar->GetComponent<ProgressBar>() : nullptr)
            progress->SetUpgradeSource(this, upgradeTime);
    }

    void UpgradeBehaviour::Update()
    {
        if (!upgrading)
            return;
        const float step = GameClock::UnscaledStep();
        upgradeTimer += GameClock::ScaledStep();
        if (upgradeTimer < upgradeTime)
        {
            if (!finishing && upgradeTimer >= upgradeTime - FinishingSteps * step)
                ShowConstructionEnd();
            return;
        }
        FinishUpgrade();
    }

    void UpgradeBehaviour::ShowConstructionEnd()
    {
        finishing = true;
        GameObject* feedback = upgradeFeedback.Get();
        Sprite* s = feedback ? feedback->GetComponent<Sprite>() : nullptr;
        StallsSystem* stalls = StallsSystem::Instance();
        if (!s || !stalls)
            return;
        const StallsSystem::SpritePair end = stalls->GetName();
        s->InGameSetAll(end.first, end.second, s->GetColumn(), 1);
        s->SetBlend(CurrentBlend());
        s->SetAnimated(true);
        s->SetAnimationCount(1);
    }

    void UpgradeBehaviour::FinishUpgrade()
    {
        upgrading = finishing = false;
        if (StallsBehaviour* stall = GetStall())
        {
            stall->operational = true;
            stall->busy_ = false;
            stall->SetStallSprite(StallsBehaviour::Idle);
        }
        if (UpgradeSystem* system = UpgradeSystem::Instance())
            system->UpdateButtonStates();
        DropFeedback();
        Transform* t = GetOwner() ? GetOwner()->GetComponent<Transform>() : nullptr;
        Instantiate("UpgradeEffect", (t ? t->GetTransVec() : Vector2D()) + Vector2D(0.0f, 25.0f), 0.0f);
    }

    void UpgradeBehaviour::DropFeedback()
    {
        GameObject* feedback = upgradeFeedback.Get();
        upgradeFeedback.Reset();
        if (!feedback)
            return;
        // Off the tint list before the object goes.
        TintedSprites::Forget(feedback);
        feedback->Destroy();
    }
}
