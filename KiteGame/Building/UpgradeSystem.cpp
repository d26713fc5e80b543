// UpgradeSystem: stall menus and upgrade button states.
#include "Building/UpgradeSystem.h"

#include <algorithm>
#include <array>

#include "Building/UpgradeBehaviour.h"
#include "Building/UpgradeButton.h"
#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Engine/DataError.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "Core/UI/ToggleActiveButton.h"
#include "Economy/LevelStatsSystem.h"
#include "Economy/StallMenus.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        struct MenuPart
        {
            const char* archetype;
            Vector2D offset;
        };
        const MenuPart MenuParent{"UpgradeMenuParent", Vector2D(0.0f, 142.0f)};
        const MenuPart UpgradeButtonPart{"UpgradeButton", Vector2D(-41.0f, -22.0f)};
        const MenuPart OtherParts[] = {{"CloseUpgradeMenuButton", Vector2D(71.0f, 62.0f)},
                                       {"SellButton", Vector2D(41.0f, -22.0f)}};
        // In the order of UpgradeBehaviour::MenuText.
        const MenuPart TextParts[] = {{"StallLevelText", Vector2D(26.0f, 54.75f)},
                                      {"EarningsText", Vector2D(51.0f, 24.0f)},
                                      {"UpgradeCostText", Vector2D(-41.0f, -51.0f)},
                                      {"SellCostText", Vector2D(41.0f, -51.0f)},
                                      {"LikesEarningsText", Vector2D(51.0f, -2.0f)}};

        GameObject* MakePart(const MenuPart& part, Vector2D p, GameObject* parent)
        {
            GameObject* o = Instantiate(part.archetype, p + part.offset, 0.0f);
            if (!o)
                ReportDataError(std::string("archetype \"") + part.archetype + "\"", "missing; stall menu without it");
            else if (parent)
                o->AddParent(parent);
            return o;
        }
    }

    Vector2D UpgradeSystem::UpgradeButtonOffset()
    {
        return UpgradeButtonPart.offset;
    }

    Vector2D UpgradeSystem::SellButtonOffset()
    {
        return OtherParts[1].offset;
    }

    UpgradeSystem::UpgradeSystem() : Script(CT_UpgradeSystem) {}

    UpgradeSystem::UpgradeSystem(const UpgradeSystem& other) : Script(other), nextButtonId(other.nextButtonId) {}

    GameComponent* UpgradeSystem::Clone() const
    {
        return new UpgradeSystem(*this);
    }

    bool UpgradeSystem::HasMenu(const UpgradeBehaviour* upgrade) const
    {
        for (const auto& entry : upgradeMap)
            if (upgrade && entry.second.Get() == upgrade->GetOwner() && entry.second.Get())
                return true;
        return false;
    }

    void UpgradeSystem::OpenUpgradeMenu(UpgradeBehaviour* upgrade)
    {
        GameObject* stall = upgrade ? upgrade->GetOwner() : nullptr;
        if (!stall || HasMenu(upgrade))
            return;
        Transform* t = stall->GetComponent<Transform>();
        const Vector2D p = t ? t->GetTransVec() : Vector2D();
        GameObject* parent = MakePart(MenuParent, p, nullptr);
        GameObject* buttonObject = MakePart(UpgradeButtonPart, p, parent);
        for (const MenuPart& part : OtherParts)
            MakePart(part, p, parent);
        std::array<GameObject*, UpgradeBehaviour::MenuTextCount> texts{};
        for (int i = 0; i < UpgradeBehaviour::MenuTextCount; ++i)
            texts[i] = MakePart(TextParts[i], p, parent);
        UpgradeButton* button = buttonObject ? buttonObject->GetComponent<UpgradeButton>() : nullptr;
        const unsigned id = nextButtonId++;
        if (parent)
        {
            parent->AddParent(stall);
            // The stall's click opens and closes this menu; a name of its own
            // lets the stall's toggle find it.
            parent->setName("UpgradeMenu" + std::to_string(id));
            if (ToggleActiveButton* toggle = stall->GetComponent<ToggleActiveButton>())
            {
                toggle->SetToggleObject(parent->getName());
                // Off until now, so that the click that made the menu did
                // not also toggle it; from here on a click opens a closed menu.
                toggle->ButtonActive(true);
            }
        }
        upgrade->SetMenu(buttonObject, texts);
        upgradeMap[id] = ObjectHandle(stall);
        if (button)
        {
            button->buttonId = id;
            upgradeButtons.push_back(button);
        }
        UpdateButtonStates();
    }

    UpgradeBehaviour* UpgradeSystem::Find(unsigned buttonId) const
    {
        auto it = upgradeMap.find(buttonId);
        GameObject* stall = it != upgradeMap.end() ? it->second.Get() : nullptr;
        return stall ? stall->GetComponent<UpgradeBehaviour>() : nullptr;
    }

    void UpgradeSystem::Upgrade(UpgradeButton* button)
    {
        if (UpgradeBehaviour* upgrade = button ? Find(button->buttonId) : nullptr)
            upgrade->StartUpgrade();
    }

    void UpgradeSystem::UpdateButtonStates()
    {
        LevelStatsSystem* stats = LevelStatsSystem::Instance();
        const float money = stats ? stats->Money() : 0.0f;
        for (UpgradeButton* button : upgradeButtons)
        {
            const UpgradeBehaviour* upgrade = Find(button->buttonId);
            if (!upgrade)
                continue;
            const bool possible = !(money < upgrade->upgradeCost) && upgrade->upgradeCountdown != 0 && !upgrade->upgrading;
            button->ButtonActive(possible);
        }
    }

    void UpgradeSystem::UpdateAllTexts()
    {
        for (const auto& entry : upgradeMap)
            if (UpgradeBehaviour* upgrade = Find(entry.first))
                upgrade->UpdateTexts();
    }

    void UpgradeSystem::CloseAllMenus()
    {
        for (const auto& entry : upgradeMap)
            if (GameObject* stall = entry.second.Get())
                if (ToggleActiveButton* toggle = stall->GetComponent<ToggleActiveButton>())
                    toggle->ForceCloseOnce();
    }

    void UpgradeSystem::CloseMenusBut(const GameObject* kept)
    {
        for (const auto& entry : upgradeMap)
            if (GameObject* stall = entry.second.Get(); stall && stall != kept)
                if (ToggleActiveButton* toggle = stall->GetComponent<ToggleActiveButton>())
                    toggle->ForceCloseOnce();
    }

    void UpgradeSystem::Forget(UpgradeButton* button)
    {
        if (!button)
            return;
        upgradeButtons.erase(std::remove(upgradeButtons.begin(), upgradeButtons.end(), button), upgradeButtons.end());
        upgradeMap.erase(button->buttonId);
    }

    void StallMenus::CloseAll()
    {
        if (UpgradeSystem* upgrades = UpgradeSystem::Instance())
            upgrades->CloseAllMenus();
    }

    void StallMenus::CloseAllBut(const GameObject* stall)
    {
        if (UpgradeSystem* upgrades = UpgradeSystem::Instance())
            upgrades->CloseMenusBut(stall);
    }

    void StallMenus::UpdateTexts()
    {
        if (UpgradeSystem* upgrades = UpgradeSystem::Instance())
            upgrades->UpdateAllTexts();
    }

    void StallMenus::UpdateButtonStates()
    {
        if (UpgradeSystem* upgrades = UpgradeSystem::Instance())
            upgrades->UpdateButtonStates();
    }
}
