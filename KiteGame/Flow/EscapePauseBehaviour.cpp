// EscapePauseBehaviour: key 27 released pauses or resumes.
#include "Flow/EscapePauseBehaviour.h"

#include "Core/Input/Input.h"
#include "Core/UI/UISystem.h"
#include "StartUp/GameComponentTypes.h"

namespace KiteFramework
{
    namespace
    {
        constexpr short EscapeKey = 27;
    }

    EscapePauseBehaviour::EscapePauseBehaviour() : Script(CT_EscapePauseBehaviour) {}

    GameComponent* EscapePauseBehaviour::Clone() const
    {
        EscapePauseBehaviour* copy = new EscapePauseBehaviour();
        copy->SetComponentTypeId(GetComponentTypeId());
        return copy;
    }

    void EscapePauseBehaviour::Update()
    {
        if (INPUTSYS && INPUTSYS->wasKeyReleased(EscapeKey) && UISYSTEM)
            UISYSTEM->PauseGame();
    }
}
