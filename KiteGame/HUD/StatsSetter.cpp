// StatsSetter: a marker without behaviour.
#include "HUD/StatsSetter.h"

#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    StatsSetter::StatsSetter() : Script(CT_StatsSetter) {}

    GameComponent* StatsSetter::Clone() const
    {
        StatsSetter* copy = new StatsSetter();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }
}
