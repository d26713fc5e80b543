// UpgradeButton: the upgrade button of a stall's menu, known to the upgrade
// system by its number.
#pragma once

#include "Core/UI/BaseButton.h"

namespace KiteFramework
{
    class UpgradeButton : public BaseButton
    {
    public:
        UpgradeButton();
        UpgradeButton(const UpgradeButton& other);
        ~UpgradeButton() override;

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Upgrade Button"; }
        void OnMouseUp() override;

        unsigned buttonId = 0;
    };
}
