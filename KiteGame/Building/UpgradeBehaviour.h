// UpgradeBehaviour: a stall's upgrade price and how many upgrades it allows;
// runs a timed upgrade with construction art and a progress bar, and keeps
// the texts of the stall's menu up to date.
#pragma once

#include <array>
#include <string>

#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class StallsBehaviour;
    class Text;

    class UpgradeBehaviour : public Script
    {
    public:
        enum MenuText : int
        {
            LevelText = 0,
            EarningsText,
            UpgradeCostText,
            SellCostText,
            LikesEarningsText,
            MenuTextCount
        };

        UpgradeBehaviour();
        ~UpgradeBehaviour() override;

        void Initialise() override;
        void Update() override;
        void ListFields(FieldVisitor& v) override;
        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Upgrade Behaviour"; }

        // Charges the price and starts the next upgrade, when it is
        // possible and affordable.
        void StartUpgrade();
        void UpdateTexts();

        StallsBehaviour* GetStall() const;
        GameObject* GetMenuUpgradeButton() const { return menuUpgradeButton.Get(); }
        void SetMenu(GameObject* upgradeButton, const std::array<GameObject*, MenuTextCount>& texts);
        Text* GetMenuText(MenuText which) const;
        static void ShowOnBadge(Text* text, const std::string& figure);
        GameObject* GetFeedback() const { return upgradeFeedback.Get(); }

        // Stored settings.
        float upgradeCost = 0.0f;
        unsigned upgradeCountdown = 0;
        float upgradeCostMultiplier = 0.0f;
        float upgradeBenefitMultiplier = 0.0f;
        float upgradeTime = 0.0f;

        bool upgrading = false;
        bool finishing = false;
        float upgradeTimer = 0.0f;

    private:
        void ShowConstruction();
        void ShowConstructionEnd();
        void FinishUpgrade();
        void DropFeedback();

        ObjectHandle menuUpgradeButton;
        std::array<ObjectHandle, MenuTextCount> menuTexts;
        ObjectHandle upgradeFeedback;
    };
}
