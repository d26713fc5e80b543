// LevelStatsSystem: money, likes, reputation and statistics of one level.
#include "Economy/LevelStatsSystem.h"

#include <algorithm>

#include "Core/Input/Input.h"
#include "Core/Objects/FieldOps.h"
#include "Core/Objects/GameObject.h"
#include "Core/UI/ActivatePopupButton.h"
#include "Economy/PricedButton.h"
#include "Economy/StallMenus.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        // The "=" key (Windows virtual-key number).
        constexpr short CheatMoneyKey = 187;
        constexpr float CheatMoneyAmount = 500.0f;
    }

    LevelStatsSystem::LevelStatsSystem() : Script(CT_LevelStatsSystem) {}

    LevelStatsSystem::LevelStatsSystem(const LevelStatsSystem& other)
        : Script(other), CustomerServed(other.CustomerServed), seatWaitingTime(other.seatWaitingTime),
          AverageWaitingTime(other.AverageWaitingTime), TotalWaitingTime(other.TotalWaitingTime),
          GrossRevenue(other.GrossRevenue), DailyUpkeep(other.DailyUpkeep), Likes(other.Likes),
          Reputation(other.Reputation), MostPopular(other.MostPopular),
          MostWanted(other.MostWanted), money(other.money), spawnButtons(other.spawnButtons)
    {
    }

    void LevelStatsSystem::ListFields(FieldVisitor& v)
    {
        v.Add("CustomerServed", CustomerServed, {"Customers Served:", FieldWidget::ReadOnly});
        v.Add("AverageWaitingTime", AverageWaitingTime, {"Average Waiting Time:", FieldWidget::ReadOnly});
        v.Add("TotalWaitingTime", TotalWaitingTime, {"Total Waiting Time:", FieldWidget::ReadOnly});
        v.Add("GrossRevenue", GrossRevenue, {"Gross Revenue:", FieldWidget::ReadOnly});
        v.Add("DailyUpkeep", DailyUpkeep, {"Daily Upkeep:", FieldWidget::ReadOnly});
        v.Add("Likes", Likes, {"Likes:", FieldWidget::ReadOnly});
        // The build buttons follow an edited amount at once.
        v.Add("Money", money, FieldInfo{"Money:", FieldWidget::Input, 0.0f}.Id("##money_"));
        v.Add("Reputation", Reputation, {"Reputation:", FieldWidget::ReadOnly});
        v.Add("MostPopular", MostPopular, {"Most Popular:", FieldWidget::ReadOnly});
        v.Add("MostWanted", MostWanted, {"Most Wanted:", FieldWidget::ReadOnly});
    }

    void LevelStatsSystem::FieldEdited(const FieldRef& field)
    {
        if (field.member == &money)
            MoneyChanged();
    }

    GameComponent* LevelStatsSystem::Clone() const
    {
        return new LevelStatsSystem(*this);
    }

    void LevelStatsSystem::Update()
    {
        if (INPUTSYS && INPUTSYS->wasKeyReleased(CheatMoneyKey))
            ChangeMoney(CheatMoneyAmount);
    }

    void LevelStatsSystem::ChangeMoney(float delta)
    {
        money += delta;
        MoneyChanged();
    }

    void LevelStatsSystem::MoneyChanged()
    {
        StallMenus::UpdateButtonStates();
        UpdateSpawnButtons();
    }

    namespace
    {
        PricedButton* Alive(const std::weak_ptr<PricedButton* const>& handle)
        {
            const std::shared_ptr<PricedButton* const> button = handle.lock();
            return button ? *button : nullptr;
        }
    }

    void LevelStatsSystem::UpdateSpawnButtons()
    {
        for (const auto& handle : spawnButtons)
        {
            PricedButton* button = Alive(handle);
            GameObject* owner = button ? button->GetButtonObject() : nullptr;
            ActivatePopupButton* popup = owner ? owner->GetComponent<ActivatePopupButton>() : nullptr;
            if (popup)
                popup->SetButtonActive(!(button->GetCost() > money));
        }
    }

    void LevelStatsSystem::AddSpawnButton(PricedButton* button)
    {
        if (!button)
            return;
        // Buttons gone leave first, so the list never grows with them.
        RemoveSpawnButton(nullptr);
        for (const auto& handle : spawnButtons)
            if (Alive(handle) == button)
                return;
        spawnButtons.push_back(button->GetHandle());
    }

    void LevelStatsSystem::RemoveSpawnButton(PricedButton* button)
    {
        spawnButtons.erase(std::remove_if(spawnButtons.begin(), spawnButtons.end(),
                                          [button](const auto& handle) {
                                              PricedButton* listed = Alive(handle);
                                              return !listed || listed == button;
                                          }),
                           spawnButtons.end());
    }

    std::size_t LevelStatsSystem::GetSpawnButtonCount() const
    {
        return static_cast<std::size_t>(std::count_if(spawnButtons.begin(), spawnButtons.end(),
                                                      [](const auto& handle) { return Alive(handle) != nullptr; }));
    }

    void LevelStatsSystem::AddServedWait(float wait)
    {
        TotalWaitingTime += wait;
        if (CustomerServed > 0)
            AverageWaitingTime = TotalWaitingTime / static_cast<float>(CustomerServed);
    }
}
