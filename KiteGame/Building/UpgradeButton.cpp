// UpgradeButton: starts its stall's upgrade.
#include "Building/UpgradeButton.h"

#include "Building/UpgradeSystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    UpgradeButton::UpgradeButton() : BaseButton(CT_UpgradeButton) {}

    UpgradeButton::UpgradeButton(const UpgradeButton& other) : BaseButton(other), buttonId(other.buttonId) {}

    UpgradeButton::~UpgradeButton()
    {
        if (UpgradeSystem* system = UpgradeSystem::Instance())
            system->Forget(this);
    }

    GameComponent* UpgradeButton::Clone() const
    {
        return new UpgradeButton(*this);
    }

    void UpgradeButton::OnMouseUp()
    {
        BaseButton::OnMouseUp();
        UpgradeSystem* system = UpgradeSystem::Instance();
        if (system && ButtonActive())
            system->Upgrade(this);
    }
}
