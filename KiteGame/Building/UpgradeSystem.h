// UpgradeSystem: builds each bought stall's menu, numbers its upgrade
// button, and keeps every upgrade button enabled exactly when its upgrade is
// possible and affordable.
#pragma once

#include <map>
#include <vector>

#include "Core/Logic/CurrentInstance.h"
#include "Core/Math/Vector2D.h"
#include "Core/Objects/ObjectHandle.h"
#include "Core/Logic/Script.h"

namespace KiteFramework
{
    class UpgradeBehaviour;
    class UpgradeButton;

    class UpgradeSystem : public Script, public CurrentInstance<UpgradeSystem>
    {
    public:
        UpgradeSystem();
        UpgradeSystem(const UpgradeSystem& other);

        GameComponent* Clone() const override;
        const char* InspectorTitle() const override { return "Upgrade System"; }

        // Where a stall's menu puts its upgrade and sell buttons, from the
        // stall's position.
        static Vector2D UpgradeButtonOffset();
        static Vector2D SellButtonOffset();

        // The stall's menu (once per stall), as children of the stall.
        void OpenUpgradeMenu(UpgradeBehaviour* upgrade);
        void Upgrade(UpgradeButton* button);
        void UpdateButtonStates();
        void UpdateAllTexts();
        void CloseAllMenus();
        void CloseMenusBut(const GameObject* stall);

        // The behaviour filed under a button number, or null (also for a
        // number not filed, or a stall that is gone).
        UpgradeBehaviour* Find(unsigned buttonId) const;
        bool HasMenu(const UpgradeBehaviour* upgrade) const;
        // A button leaves with its menu.
        void Forget(UpgradeButton* button);
        std::size_t GetMenuCount() const { return upgradeMap.size(); }

        unsigned nextButtonId = 0;

    private:
        std::vector<UpgradeButton*> upgradeButtons;
        // Button number to the stall object holding the behaviour.
        std::map<unsigned, ObjectHandle> upgradeMap;
    };
}
