// CheatScript: at most one unlock per frame.
#include "Flow/CheatScript.h"

#include "Core/Input/Input.h"
#include "Economy/LevelFlags.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    CheatScript::CheatScript() : Script(CT_CheatScript) {}

    GameComponent* CheatScript::Clone() const
    {
        CheatScript* copy = new CheatScript();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void CheatScript::Update()
    {
        if (!INPUTSYS)
            return;
        std::array<bool, 3>& flags = GetLevelFlags();
        if (INPUTSYS->wasKeyReleased('1'))
            flags[0] = true;
        else if (INPUTSYS->wasKeyReleased('2'))
            flags[1] = true;
        else if (INPUTSYS->wasKeyReleased('3'))
            flags[2] = true;
    }
}
