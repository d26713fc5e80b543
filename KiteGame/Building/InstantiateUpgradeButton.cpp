// InstantiateUpgradeButton: a static stall menu.
#include "Building/InstantiateUpgradeButton.h"

#include "Core/Archetypes/ArchetypeSystem.h"
#include "Core/Objects/GameObject.h"
#include "Core/Objects/Transform.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    InstantiateUpgradeButton::InstantiateUpgradeButton() : Script(CT_InstantiateUpgradeButton) {}

    GameComponent* InstantiateUpgradeButton::Clone() const
    {
        InstantiateUpgradeButton* copy = new InstantiateUpgradeButton();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void InstantiateUpgradeButton::OnStart()
    {
        GameObject* owner = GetOwner();
        Transform* t = owner ? owner->GetComponent<Transform>() : nullptr;
        if (!t)
            return;
        t->SetTrans(t->GetTransVec() + Vector2D(0.0f, 142.0f));
        const Vector2D p = t->GetTransVec();
        const struct
        {
            const char* name;
            Vector2D offset;
        } parts[] = {{"UpgradeButton", Vector2D(-49.0f, -22.0f)},
                     {"CloseUpgradeMenuButton", Vector2D(85.0f, 36.0f)},
                     {"StallLevelText", Vector2D(0.0f, 23.0f)},
                     {"SellButton", Vector2D(49.0f, -22.0f)}};
        for (const auto& part : parts)
            if (GameObject* o = Instantiate(part.name, p + part.offset, 0.0f))
                o->AddParent(owner);
        owner->setActive(false);
    }
}
