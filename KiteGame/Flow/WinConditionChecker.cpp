// WinConditionChecker: the all-levels-open badge.
#include "Flow/WinConditionChecker.h"

#include "Core/Objects/GameObject.h"
#include "Economy/LevelFlags.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    WinConditionChecker::WinConditionChecker() : Script(CT_WinConditionChecker) {}

    GameComponent* WinConditionChecker::Clone() const
    {
        WinConditionChecker* copy = new WinConditionChecker();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void WinConditionChecker::OnStart()
    {
        if (AllLevelsUnlocked() && GetOwner())
            GetOwner()->setActive(true);
    }
}
